#include "automation/ServiceFile.h"

#include "automation/AutomationServer.h"
#include "base/Errors.h"
#include "base/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

// The bus splits the Exec line as a shell would: inside single quotes
// everything is literal, and a quote itself is closed, escaped, reopened.
QString ShellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

void Complain(const QString& what) { std::fprintf(stderr, "VeMo: %s\n", qPrintable(what)); }

}  // namespace

QString ServiceFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dbus-1/services/") + AutomationServer::kServiceName + QStringLiteral(".service");
}

QString ServiceFileText(const QString& executable) {
    return QStringLiteral("[D-BUS Service]\nName=") + AutomationServer::kServiceName + QStringLiteral("\nExec=") +
           ShellQuoted(executable) + QStringLiteral(" -Embedding\n");
}

bool RegisterServer(const QString& executable) {
    const QString path = ServiceFilePath();
    bool written = QDir().mkpath(QFileInfo(path).path());
    try {
        written = written && FileIO::ReplaceFile(QFile::encodeName(path).toStdString(),
                                                 ServiceFileText(executable).toStdString());
    } catch (const Exception&) {
        written = false;
    }
    if (!written) Complain(QStringLiteral("cannot write %1").arg(path));
    return written;
}

bool UnregisterServer() {
    const QString path = ServiceFilePath();
    if (!QFileInfo::exists(path) || QFile::remove(path)) return true;
    Complain(QStringLiteral("cannot remove %1").arg(path));
    return false;
}
