// The real program killed with SIGKILL and started again: the game comes
// back as the recovery journal last wrote it. The program is driven through
// its script input (ScriptInput): change k sets the mark of team 1 + k % 10
// for question 1 + k / 10, so the marks taken tell how many changes came
// back, and they must be the first ones, none missing. The restart runs in
// this process, where the scripted dialogs answer the question.
#include "FormMainFixture.h"

#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "ui/document/RecoveryJournal.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <filesystem>
#include <iostream>

namespace {

constexpr int kTeams = 10;
constexpr int kWaitMs = 30000;

QByteArray MarkLine(int change) {
    return "mark " + QByteArray::number(1 + change % kTeams) + " " + QByteArray::number(1 + change / kTeams) + " 1\n";
}

// How many of the changes 0, 1, ... the game holds; -1 when they are not the
// first ones without a gap.
int ChangesIn(const TVemoData& game) {
    int taken = 0;
    for (int i = 0; i < game.TeamCount(); ++i)
        for (int q = 0; q < game.QuestionCount(); ++q) taken += game.TeamByIndex(i)->RawMark(q) ? 1 : 0;
    for (int change = 0; change < taken; ++change)
        if (!game.TeamByNumber(1 + change % kTeams)->RawMark(change / kTeams)) return -1;
    return taken;
}

}  // namespace

class RecoveryProcessTest : public FormMainTest {
protected:
    RecoveryProcessTest() {
        std::filesystem::create_directories(FRuntime.Path());
        std::filesystem::permissions(FRuntime.Path(), std::filesystem::perms::owner_all);
        FGamePath = SaveGame(*MakeGame({20}, std::vector<std::string>(kTeams, std::string(20, '-'))), "game.qgm");
    }
    ~RecoveryProcessTest() override {
        if (FProgram && FProgram->state() != QProcess::NotRunning) {
            FProgram->kill();
            FProgram->waitForFinished(kWaitMs);
        }
    }

    void StartProgram() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(FRuntime.Path().string()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(FFolder.File("data")));
        environment.insert(QStringLiteral("VEMO_SCRIPT_INPUT"), QStringLiteral("1"));
        FProgram = std::make_unique<QProcess>();
        FProgram->setProcessEnvironment(environment);  // the fixture's program, data and state folders
        FProgram->start(QStringLiteral(VEMO_EXECUTABLE), {QStringLiteral("-open"), FGamePath});
        ASSERT_TRUE(FProgram->waitForStarted(kWaitMs));
        ASSERT_FALSE(WaitForLine("ready").isEmpty());
    }

    void Send(const QByteArray& line) { FProgram->write(line); }

    // The next line that starts with `start` (earlier lines are passed by).
    QByteArray WaitForLine(const QByteArray& start) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < kWaitMs) {
            while (FProgram->canReadLine()) {
                const QByteArray line = FProgram->readLine().trimmed();
                if (line.startsWith("written ")) FWritten = line.mid(8).toInt();
                if (line.startsWith(start)) return line;
            }
            FProgram->waitForReadyRead(50);
        }
        ADD_FAILURE() << "the program never said " << start.constData();
        return {};
    }

    void WaitUntilWritten(int changes) {
        while (FWritten < changes && !WaitForLine("written").isEmpty()) {
        }
    }

    void KillProgram() {
        FProgram->kill();  // SIGKILL
        ASSERT_TRUE(FProgram->waitForFinished(kWaitMs));
        EXPECT_EQ(FProgram->exitStatus(), QProcess::CrashExit);
    }

    // Starts again here, answers Yes, and counts the changes that came back.
    int RestartAndRecover() {
        EXPECT_TRUE(std::filesystem::exists(RecoveryFile()));
        FDialogs.answers.enqueue(Dialogs::Answer::Yes);
        Start();
        EXPECT_EQ(Form().CurrentFile(), FGamePath);
        EXPECT_TRUE(Form().Modified());
        return ChangesIn(Form().Game());
    }

    TempDir FRuntime;
    QString FGamePath;
    std::unique_ptr<QProcess> FProgram;
    int FWritten = 0;
};

TEST_F(RecoveryProcessTest, KilledAfterAWrittenChangeTheChangeComesBack) {
    StartProgram();
    Send(MarkLine(0));
    WaitForLine("changed 1");
    WaitUntilWritten(1);
    KillProgram();
    EXPECT_EQ(RestartAndRecover(), 1);
}

TEST_F(RecoveryProcessTest, KilledRightAfterAChangeTheStateBeforeOrAfterItComesBack) {
    StartProgram();
    Send(MarkLine(0));
    WaitForLine("changed 1");
    WaitUntilWritten(1);
    Send(MarkLine(1));
    WaitForLine("changed 2");
    KillProgram();
    const int recovered = RestartAndRecover();
    EXPECT_TRUE(recovered == 1 || recovered == 2) << recovered;
}

// A burst of 100 changes, one every 20 ms, killed after the 60th: the game
// that comes back is no older than the changes made before the kill less
// the journal's delay (and a margin for a busy machine).
TEST_F(RecoveryProcessTest, KilledDuringABurstARecentStateComesBack) {
    constexpr int kBurst = 100;
    constexpr int kKillAfter = 60;
    constexpr int kPaceMs = 20;
    constexpr qint64 kMarginMs = 400;
    StartProgram();
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> doneAt;
    for (int change = 0; change < kBurst && static_cast<int>(doneAt.size()) < kKillAfter; ++change) {
        Send(MarkLine(change));
        WaitForLine("changed " + QByteArray::number(change + 1));
        doneAt.push_back(clock.elapsed());
        if (static_cast<int>(doneAt.size()) < kKillAfter) QTest::qWait(kPaceMs);
    }
    KillProgram();
    const qint64 killedAt = clock.elapsed();
    int due = 0;
    while (due < kKillAfter && doneAt[due] <= killedAt - RecoveryJournal::kDelayMs - kMarginMs) ++due;

    const int recovered = RestartAndRecover();
    std::cout << "burst: killed after change " << kKillAfter << " at " << killedAt << " ms; " << recovered
              << " changes came back, at least " << due << " were due" << std::endl;
    RecordProperty("recovered", recovered);
    EXPECT_GE(recovered, due);
    EXPECT_LE(recovered, kKillAfter);
}

TEST_F(RecoveryProcessTest, ASaveAndACleanCloseLeaveNoFile) {
    StartProgram();
    Send(MarkLine(0));
    WaitForLine("changed 1");
    WaitUntilWritten(1);
    Send("save\n");
    WaitForLine("saved");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !std::filesystem::exists(RecoveryFile()); }, kWaitMs));
    Send(MarkLine(1));
    WaitForLine("changed 2");
    WaitUntilWritten(2);
    Send("save\n");
    WaitForLine("saved");
    Send("close\n");
    ASSERT_TRUE(FProgram->waitForFinished(kWaitMs));
    EXPECT_EQ(FProgram->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(FProgram->exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(RecoveryFile()));
    TVemoData saved;
    ASSERT_TRUE(saved.LoadFromFile(FGamePath.toStdString()));
    EXPECT_EQ(ChangesIn(saved), 2);
}
