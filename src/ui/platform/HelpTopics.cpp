#include "ui/platform/HelpTopics.h"

#include <QFile>
#include <QStringList>

HelpTopics HelpTopics::Read(const QString& file) {
    HelpTopics topics;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return topics;
    for (const QString& line : QString::fromUtf8(in.readAll()).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        bool isNumber = false;
        const int topic = fields.value(0).toInt(&isNumber);
        if (isNumber && fields.size() >= 2 && !fields[1].isEmpty()) topics.FPages.insert(topic, fields[1]);
    }
    return topics;
}

QString HelpTopics::PageOf(int topic) const { return FPages.value(topic, kContents); }
