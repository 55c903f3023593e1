#include "automation/BusSession.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QThread>

#include <filesystem>

namespace {

constexpr int kWaitMs = 30000;

QString FolderOf(const TempDir& folder, const char* name) {
    const std::filesystem::path path = folder.Path() / name;
    std::filesystem::create_directories(path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return QString::fromStdString(path.string());
}

}  // namespace

void EnsureCoreApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vemo-automation-test";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives as long as the process
}

BusSession::BusSession() {
    EnsureCoreApplication();
    if (!StartBus()) return;
    FClient = QDBusConnection::connectToBus(FAddress, FFolder.Path().filename().c_str());
    if (!FClient->isConnected()) FFailure = QStringLiteral("cannot connect to the private bus at ") + FAddress;
}

BusSession::~BusSession() {
    StopProgram();
    if (FClient) QDBusConnection::disconnectFromBus(FClient->name());
    if (FBus) {
        FBus->kill();
        FBus->waitForFinished(kWaitMs);
    }
}

QProcessEnvironment BusSession::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FAddress);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), FolderOf(FFolder, "runtime"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), FolderOf(FFolder, "config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), FolderOf(FFolder, "data"));
    environment.insert(QStringLiteral("TMPDIR"), FolderOf(FFolder, "tmp"));
    environment.insert(QStringLiteral("VEMO_SCRIPT_INPUT"), QStringLiteral("1"));
    return environment;
}

// The daemon reads its service files from the data folder the program
// registers itself in, so activation works on this bus too.
bool BusSession::StartBus() {
    FBus = std::make_unique<QProcess>();
    FBus->setProcessEnvironment(Environment());
    FBus->start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                QStringLiteral("--print-address=1")});
    if (!FBus->waitForStarted(kWaitMs)) {
        FFailure = QStringLiteral("dbus-daemon cannot start (package dbus): ") + FBus->errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!FBus->canReadLine() && waited.elapsed() < kWaitMs) FBus->waitForReadyRead(100);
    FAddress = QString::fromUtf8(FBus->readLine().trimmed());
    if (FAddress.isEmpty()) FFailure = QStringLiteral("dbus-daemon printed no address");
    return !FAddress.isEmpty();
}

bool BusSession::NameOwned() {
    return FClient && FClient->interface()->isServiceRegistered(kService).value();
}

bool BusSession::StartProgram(const QStringList& arguments) {
    FProgram = std::make_unique<QProcess>();
    FProgram->setProcessEnvironment(Environment());
    FProgram->setProcessChannelMode(QProcess::SeparateChannels);
    FProgram->start(QStringLiteral(VEMO_EXECUTABLE), arguments);
    if (!FProgram->waitForStarted(kWaitMs)) return false;
    QElapsedTimer waited;
    waited.start();
    while (!NameOwned()) {
        if (waited.elapsed() > kWaitMs || FProgram->state() != QProcess::Running) return false;
        QThread::msleep(20);
    }
    return true;
}

void BusSession::StopProgram() {
    if (!ProgramRunning()) return;
    FProgram->kill();
    FProgram->waitForFinished(kWaitMs);
}

QString BusSession::Gdbus(const QString& method, const QStringList& arguments) {
    QProcess gdbus;
    gdbus.setProcessEnvironment(Environment());
    gdbus.start(QStringLiteral("gdbus"), QStringList{QStringLiteral("call"), QStringLiteral("--address"), FAddress,
                                                     QStringLiteral("--dest"), kService,
                                                     QStringLiteral("--object-path"), kPath,
                                                     QStringLiteral("--method"), kInterface + '.' + method,
                                                     QStringLiteral("--")} +
                                             arguments);
    if (!gdbus.waitForFinished(kWaitMs)) return QStringLiteral("gdbus did not finish");
    if (gdbus.exitCode() == 0) return QString::fromUtf8(gdbus.readAllStandardOutput()).trimmed();
    QString error = QString::fromUtf8(gdbus.readAllStandardError()).trimmed();
    return error.replace(QStringLiteral("GDBus.Error:"), QString());
}

QDBusMessage BusSession::Call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return FClient->call(message, QDBus::Block, kWaitMs);
}

QByteArray BusSession::ReadLineStartingWith(const QByteArray& start) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kWaitMs) {
        while (FProgram->canReadLine()) {
            const QByteArray line = FProgram->readLine().chopped(1);
            if (line.startsWith(start)) return line;
            FPendingLines.append(QString::fromUtf8(line));
        }
        if (!FProgram->waitForReadyRead(50) && !ProgramRunning()) break;
    }
    return {};
}

// A "check" line goes after everything the calls told, so the lines before
// its answer are all theirs.
BusSession::Told BusSession::TakeTold() {
    if (!ProgramRunning()) return {{}, QStringLiteral("the program is not running")};
    FProgram->write("check\n");
    const QByteArray answer = ReadLineStartingWith("invariants");
    Told told{FPendingLines, QString::fromUtf8(answer)};
    FPendingLines.clear();
    return told;
}

bool BusSession::Script(const QByteArray& line, const QByteArray& answer) {
    if (!ProgramRunning()) return false;
    FProgram->write(line + '\n');
    return !ReadLineStartingWith(answer).isEmpty();
}
