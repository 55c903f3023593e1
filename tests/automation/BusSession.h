// A private D-Bus session bus and the real VeMo program on it, started
// hidden for automation (offscreen, with its own configuration, data and
// runtime folders and its script input): what an outside client sees.
// Calls go through `gdbus call`, as a script would make them, or through
// a Qt client connection where thousands of calls are needed.
#pragma once

#include "support/TempDir.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <optional>

// The one core application a test process needs for its bus connection.
void EnsureCoreApplication();

class BusSession {
public:
    static inline const QString kService = QStringLiteral("Vemo.App");
    static inline const QString kPath = QStringLiteral("/App");
    static inline const QString kInterface = QStringLiteral("Vemo.IVemo");

    BusSession();
    ~BusSession();
    BusSession(const BusSession&) = delete;
    BusSession& operator=(const BusSession&) = delete;

    // Why no bus could start; empty when it runs.
    const QString& Failure() const { return FFailure; }
    const QString& Address() const { return FAddress; }
    QDBusConnection& Connection() { return *FClient; }
    const TempDir& Folder() const { return FFolder; }
    QString File(const char* name) const { return QString::fromStdString(FFolder.File(name)); }
    // The environment the program and gdbus run in: the private bus and the
    // program's own folders.
    QProcessEnvironment Environment() const;

    // Starts the program with these arguments and waits until it owns its
    // name on the bus.
    bool StartProgram(const QStringList& arguments = {QStringLiteral("-Embedding")});
    bool ProgramRunning() const { return FProgram && FProgram->state() == QProcess::Running; }
    void StopProgram();
    bool NameOwned();

    // `gdbus call` of a method of Vemo.IVemo with arguments in gdbus's
    // notation; the reply as gdbus prints it, or "Error: <name>: <message>".
    QString Gdbus(const QString& method, const QStringList& arguments = {});

    // The same call from the Qt client connection.
    QDBusMessage Call(const QString& method, const QVariantList& arguments = {});

    // The lines the program told (its boxes, dialogs, windows) since the
    // last time, and whether the game still keeps every model invariant.
    // A long run of calls takes them every few hundred calls: the program
    // waits once its output pipe is full.
    struct Told {
        QStringList lines;
        QString invariants;
    };
    Told TakeTold();

    // A line of the program's script input; true once it answers `answer`.
    bool Script(const QByteArray& line, const QByteArray& answer);

private:
    bool StartBus();
    QByteArray ReadLineStartingWith(const QByteArray& start);

    TempDir FFolder;
    QString FFailure;
    QString FAddress;
    std::unique_ptr<QProcess> FBus;
    std::unique_ptr<QProcess> FProgram;
    std::optional<QDBusConnection> FClient;
    QStringList FPendingLines;
};
