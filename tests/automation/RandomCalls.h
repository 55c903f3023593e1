// Random calls of the automation interface, for a client that hammers the
// running program: every method by its signature in the repository's XML,
// with arguments drawn from values in and out of range, empty, long and
// not representable in Windows-1251.
#pragma once

#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <random>
#include <vector>

class RandomCalls {
public:
    // `folder` is where file names point (some of them at a missing folder).
    RandomCalls(const QString& folder, unsigned seed);

    struct Call {
        QString method;
        QVariantList arguments;
    };
    Call Next();

private:
    struct Method {
        QString name;
        QString inTypes;  // one D-Bus type letter per argument
    };
    QVariant Argument(QChar type, const QString& method);
    QString Text(const QString& method);

    std::vector<Method> FMethods;
    QStringList FTexts;
    QStringList FFiles;
    std::mt19937 FRandom;
};

// Whether a reply is one the interface may give: a reply, or the error an
// error inside a method becomes.
bool AcceptableReply(const QDBusMessage& reply);
