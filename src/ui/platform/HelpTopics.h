// The map from F1 topic numbers to the help pages, read from the help's
// topics.txt: one line per topic, "NUMBER<TAB>page.html#NUMBER<TAB>title".
#pragma once

#include <QHash>
#include <QString>

class HelpTopics {
public:
    inline static const QString kContents = QStringLiteral("index.html");

    // Reads `file`; a missing or unreadable file gives an empty map, and
    // every topic then opens the contents.
    static HelpTopics Read(const QString& file);

    // "page.html#NUMBER" for a known topic; the contents for 0 or any other.
    QString PageOf(int topic) const;

private:
    QHash<int, QString> FPages;
};
