// Real playback: the signals that ship with the program go through the
// program's player into a PulseAudio server of the test's own, and what
// the server's sink plays is recorded and measured with sox. Where no
// server can be started the cases are skipped, saying why.
#include "PulseServer.h"

#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"
#include "timer/widgets/WavePlayer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr double kToleranceSeconds = 0.05;
constexpr int kPlayLimitMs = 10'000;

class PlaybackTest : public ::testing::Test {
protected:
    // One server for the process: Qt reaches the sound server once, at the
    // first use of a device, so the address must be set before that.
    static void SetUpTestSuite() {
        TestApplication();
        server = new PulseServer;
        if (server->Problem().isEmpty()) qputenv("PULSE_SERVER", server->Address().toLocal8Bit());
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!server->Problem().isEmpty()) GTEST_SKIP() << "no sound server: " << server->Problem().toStdString();
    }

    static QString Shipped(const char* name) {
        const QString path = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name);
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString() << " (built by the timer_sounds target)";
        return path;
    }
    QString Recording(const char* name) const { return QString::fromStdString(folder.File(name)); }

    static PulseServer* server;
    TempDir folder;
    ScriptedDialogs dialogs;  // any error box fails the case
};

PulseServer* PlaybackTest::server = nullptr;

}  // namespace

TEST_F(PlaybackTest, TheShippedSignalsArriveInFull) {
    struct Case {
        const char* file;
        double seconds;
    };
    for (const Case& c : {Case{"TimerWarning.wav", 0.4}, Case{"TimerEnd.wav", 1.0}}) {
        SCOPED_TRACE(c.file);
        const QString recording = Recording(c.file);
        ASSERT_TRUE(server->StartRecording(recording));
        WavePlayer player;
        ASSERT_TRUE(player.Open(Shipped(c.file)));
        player.Play();
        EXPECT_TRUE(player.IsPlaying());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !player.IsPlaying(); }, kPlayLimitMs));
        server->StopRecording();
        EXPECT_NEAR(SoundSeconds(recording), c.seconds, kToleranceSeconds);
    }
}

TEST_F(PlaybackTest, StopSilencesTheSignalAtOnce) {
    const QString recording = Recording("stopped.wav");
    ASSERT_TRUE(server->StartRecording(recording));
    WavePlayer player;
    ASSERT_TRUE(player.Open(Shipped("TimerEnd.wav")));
    player.Play();
    QTest::qWait(300);
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    QTest::qWait(500);
    server->StopRecording();
    // The sink drops what it has not played yet, so little or nothing of
    // the second of sound is heard, and never all of it.
    EXPECT_LT(SoundSeconds(recording), 0.7);
}

TEST_F(PlaybackTest, ASecondSignalReplacesTheFirst) {
    const QString recording = Recording("replaced.wav");
    ASSERT_TRUE(server->StartRecording(recording));
    WavePlayer player;
    ASSERT_TRUE(player.Open(Shipped("TimerEnd.wav")));
    player.Play();
    QTest::qWait(200);
    ASSERT_TRUE(player.Open(Shipped("TimerWarning.wav")));
    player.Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player.IsPlaying(); }, kPlayLimitMs));
    server->StopRecording();
    // What was not yet played of the end signal is dropped, and the warning
    // is heard, give or take the few milliseconds where the two meet.
    EXPECT_NEAR(SoundSeconds(recording), 0.4, 0.1);
}
