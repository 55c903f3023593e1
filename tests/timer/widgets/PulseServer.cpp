#include "PulseServer.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>

namespace {

constexpr int kStartMs = 10'000;
constexpr int kSettleMs = 1000;
const QString kSink = QStringLiteral("vemo_test");

QString Missing() {
    for (const char* tool : {"pulseaudio", "pactl", "parecord", "sox"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (scripts/bootstrap installs it)").arg(QLatin1String(tool));
    return {};
}

QString Run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kStartMs);
    if (exitCode) *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

}  // namespace

PulseServer::PulseServer() {
    FProblem = Missing();
    if (FProblem.isEmpty()) Start();
}

PulseServer::~PulseServer() {
    StopRecording();
    if (FServer.state() == QProcess::NotRunning) return;
    FServer.terminate();
    if (!FServer.waitForFinished(3000)) FServer.kill();
    FServer.waitForFinished(1000);
}

QString PulseServer::Address() const { return QStringLiteral("unix:") + QString::fromStdString(FFolder.File("native")); }

// Without the default script (-n) the server loads only the null sink and
// the socket of this folder; it does not leave when idle, and it runs as
// root too, where it only warns.
bool PulseServer::Start() {
    std::filesystem::permissions(FFolder.Path(), std::filesystem::perms::owner_all);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
        environment.insert(QLatin1String(name), QString::fromStdString(FFolder.Path().string()));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    FServer.setProcessEnvironment(environment);
    FServer.setProcessChannelMode(QProcess::MergedChannels);
    FServer.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                   QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--log-target=stderr"), QStringLiteral("-L"),
                   QStringLiteral("module-null-sink sink_name=%1").arg(kSink), QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1")
                       .arg(QString::fromStdString(FFolder.File("native")))});
    if (!FServer.waitForStarted(kStartMs)) {
        FProblem = QStringLiteral("pulseaudio did not start: ") + FServer.errorString();
        return false;
    }
    const QDeadlineTimer deadline(kStartMs);
    while (!Ready()) {
        if (FServer.state() == QProcess::NotRunning || deadline.hasExpired()) {
            FProblem = QStringLiteral("pulseaudio did not come up: ") + QString::fromLocal8Bit(FServer.readAll());
            return false;
        }
        QTest::qWait(100);
    }
    return true;
}

bool PulseServer::Ready() {
    int exitCode = 0;
    Run(QStringLiteral("pactl"), {QStringLiteral("--server=") + Address(), QStringLiteral("info")}, &exitCode);
    return exitCode == 0;
}

int PulseServer::Streams(const char* kind) {
    const QString list = Run(QStringLiteral("pactl"), {QStringLiteral("--server=") + Address(), QStringLiteral("list"),
                                                       QStringLiteral("short"), QLatin1String(kind)});
    return static_cast<int>(list.count(u'\n'));
}

// A short latency, so the monitor hands over what the sink plays as it
// plays it. Recording has begun once the server lists the stream; the sink
// takes a moment more to work at the recorder's latency.
bool PulseServer::StartRecording(const QString& wavePath) {
    FRecorder.start(QStringLiteral("parecord"),
                    {QStringLiteral("--server=") + Address(), QStringLiteral("--device=%1.monitor").arg(kSink),
                     QStringLiteral("--latency-msec=10"), QStringLiteral("--file-format=wav"), wavePath});
    if (!FRecorder.waitForStarted(kStartMs)) return false;
    if (!QTest::qWaitFor([this] { return Streams("source-outputs") > 0; }, kStartMs)) return false;
    QTest::qWait(kSettleMs);
    return true;
}

void PulseServer::StopRecording() {
    if (FRecorder.state() == QProcess::NotRunning) return;
    FRecorder.terminate();  // parecord completes the file's header on SIGTERM
    if (!FRecorder.waitForFinished(3000)) FRecorder.kill();
}

double SoundSeconds(const QString& wavePath) {
    const QString trimmed = wavePath + QStringLiteral(".trimmed.wav");
    int exitCode = 0;
    // Silence is what stays below 1% of full scale for 5 ms.
    const QStringList silence = {QStringLiteral("silence"), QStringLiteral("1"), QStringLiteral("0.005"),
                                 QStringLiteral("1%")};
    Run(QStringLiteral("sox"), QStringList{wavePath, trimmed} + silence + QStringList{QStringLiteral("reverse")} +
                                   silence + QStringList{QStringLiteral("reverse")},
        &exitCode);
    if (exitCode != 0) return -1;
    const QString seconds = Run(QStringLiteral("soxi"), {QStringLiteral("-D"), trimmed}, &exitCode);
    return exitCode == 0 ? seconds.trimmed().toDouble() : -1;
}
