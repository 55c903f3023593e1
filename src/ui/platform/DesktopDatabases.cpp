#include "ui/platform/DesktopDatabases.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace {

struct Tool {
    QString program;
    QString folder;
};

// Runs the tools of one rebuild in turn, then the next rebuild if one was
// asked for meanwhile. Lives beside the application and ends with it.
class Refresher : public QObject {
public:
    using QObject::QObject;

    bool Busy() const { return FRunning || FPending; }

    void Request(const QString& dataHome) {
        FDataHome = dataHome;
        FPending = true;
        if (!FRunning) StartNext();
    }

private:
    // The tools a desktop has installed, for the folders that exist.
    QList<Tool> Tools() const {
        QList<Tool> tools;
        const std::pair<const char*, const char*> known[] = {
            {"update-mime-database", "mime"},
            {"update-desktop-database", "applications"},
        };
        for (const auto& [name, folder] : known) {
            const QString program = QStandardPaths::findExecutable(QLatin1String(name));
            const QString path = FDataHome + QLatin1String(folder);
            if (!program.isEmpty() && QFileInfo::exists(path)) tools.append({program, path});
        }
        return tools;
    }

    void StartNext() {
        if (FQueue.isEmpty()) {
            FRunning = false;
            if (!FPending) return;
            FPending = false;
            FQueue = Tools();
            if (FQueue.isEmpty()) return;
        }
        FRunning = true;
        const Tool tool = FQueue.takeFirst();
        auto* process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        connect(process, &QProcess::finished, this, [this, process, tool](int code, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit || code != 0) Log(tool, QStringLiteral("ended with code %1").arg(code));
            process->deleteLater();
            StartNext();
        });
        connect(process, &QProcess::errorOccurred, this, [this, process, tool](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            Log(tool, process->errorString());
            process->deleteLater();
            StartNext();
        });
        process->start(tool.program, {tool.folder});
    }

    static void Log(const Tool& tool, const QString& what) {
        std::fprintf(stderr, "VeMo: %s %s: %s\n", qPrintable(tool.program), qPrintable(tool.folder), qPrintable(what));
    }

    QString FDataHome;
    QList<Tool> FQueue;
    bool FRunning = false;
    bool FPending = false;
};

}  // namespace

namespace {

QPointer<Refresher> gRefresher;

}  // namespace

void RefreshDesktopDatabases(const QString& dataHome) {
    if (!gRefresher) gRefresher = new Refresher(QCoreApplication::instance());
    gRefresher->Request(dataHome);
}

bool RefreshingDesktopDatabases() { return gRefresher && gRefresher->Busy(); }
