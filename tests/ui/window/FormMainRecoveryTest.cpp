// The game of a crashed run at the next start: asked about after the
// configuration, brought back modified with its file so that Save writes the
// user's file, removed when declined or damaged, left alone when started for
// automation; a clean close leaves no recovery file, and a state folder that
// cannot be written is said once while the program goes on.
#include "FormMainFixture.h"

#include "model/RecoveryFile.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "ui/document/RecoveryJournal.h"

#include <QAction>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

namespace {

const QString kQuestion = QStringLiteral("Программа была закрыта аварийно. Восстановить несохраненную игру?");
const QString kCaption = QStringLiteral("Восстановление");

}  // namespace

class FormMainRecoveryTest : public FormMainTest {
protected:
    // A crashed run's game: the three teams with T2's third answer taken,
    // counted up to question 4, belonging to the file game.qgm.
    void LeaveRecoveryFile() {
        FUserFile = SaveGame(*ThreeTeamGame(), "game.qgm");
        FLeft = ThreeTeamGame();
        FLeft->TeamByNumber(2)->SetMark(2, 1);
        std::filesystem::create_directories(std::filesystem::path(RecoveryFile()).parent_path());
        WriteBytes(RecoveryFile(), RecoveryFileBytes(*FLeft, {FUserFile.toStdString(), true, 4}));
    }
    bool RecoveryFileExists() const { return std::filesystem::exists(RecoveryFile()); }
    bool WaitUntilRecoveryFileIs(bool present) {
        return QTest::qWaitFor([&] { return RecoveryFileExists() == present; }, 5000);
    }
    void ExpectAsked() {
        const QList<ShownBox> questions = FDialogs.Shown(ShownBox::Kind::Question);
        ASSERT_EQ(questions.size(), 1);
        EXPECT_EQ(questions[0].text, kQuestion);
        EXPECT_EQ(questions[0].caption, kCaption);
    }

    QString FUserFile;
    std::unique_ptr<TVemoData> FLeft;
};

TEST_F(FormMainRecoveryTest, YesBringsTheGameBackModifiedWithItsFile) {
    LeaveRecoveryFile();
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    Start();
    ExpectAsked();
    EXPECT_EQ(Form().Game().GameFileBytes(), FLeft->GameFileBytes());
    EXPECT_EQ(Form().CurrentFile(), FUserFile);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_TRUE(Action("ActAllPlus")->isEnabled());
    EXPECT_EQ(Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"))->value(), 4);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + FUserFile + u')');

    Action("ActSaveFile")->trigger();
    EXPECT_EQ(ReadBytes(FUserFile.toStdString()), FLeft->GameFileBytes());
    EXPECT_TRUE(WaitUntilRecoveryFileIs(false));
}

TEST_F(FormMainRecoveryTest, NoRemovesTheFileAndStartsEmpty) {
    LeaveRecoveryFile();
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    Start();
    ExpectAsked();
    EXPECT_FALSE(RecoveryFileExists());
    EXPECT_EQ(Form().Game().TeamCount(), 0);
}

TEST_F(FormMainRecoveryTest, TheRecoveredGameWinsOverTheCommandLinesFile) {
    LeaveRecoveryFile();
    StartupOptions options;
    options.hasOpen = true;
    options.openPath = SaveGame(*MakeGame({1}, {"+"}), "other.qgm");
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    Start(options);
    EXPECT_EQ(Form().Game().GameFileBytes(), FLeft->GameFileBytes());
}

TEST_F(FormMainRecoveryTest, ADamagedFileIsReportedOnceAndRemoved) {
    LeaveRecoveryFile();
    const std::string whole = ReadBytes(RecoveryFile());
    WriteBytes(RecoveryFile(), whole.substr(0, whole.size() - 3));
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    FDialogs.ExpectError(QStringLiteral("Файл восстановления поврежден, игра не восстановлена."),
                         QStringLiteral("Ошибка"));
    Start();
    EXPECT_FALSE(RecoveryFileExists());
    EXPECT_EQ(Form().Game().TeamCount(), 0);
}

TEST_F(FormMainRecoveryTest, StartedForAutomationItAsksNothingAndKeepsTheFile) {
    LeaveRecoveryFile();
    StartupOptions options;
    options.embedding = true;
    Start(options);
    EXPECT_TRUE(FDialogs.Shown(ShownBox::Kind::Question).isEmpty());
    Close();
    EXPECT_EQ(ReadBytes(RecoveryFile()).substr(0, FLeft->GameFileBytes().size()), FLeft->GameFileBytes());
}

TEST_F(FormMainRecoveryTest, ACleanCloseLeavesNoFile) {
    Start();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    DoubleClickCell(8, 4);
    ASSERT_TRUE(WaitUntilRecoveryFileIs(true));
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    EXPECT_FALSE(Close());
    EXPECT_FALSE(RecoveryFileExists());
}

TEST_F(FormMainRecoveryTest, AStateFolderThatCannotBeWrittenIsSaidOnce) {
    WriteBytes(FFolder.File("blocked"), "a file where the folder should be");
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(FFolder.File("blocked")));
    Start();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    FDialogs.ExpectError(QStringLiteral("Не удается сохранить копию игры для восстановления после сбоя:\r") +
                             QString::fromStdString(FFolder.File("blocked/vemo/recovery.qgm")) +
                             QStringLiteral("\rПрограмма продолжит работу без нее."),
                         kCaption);
    DoubleClickCell(8, 4);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !FDialogs.Shown(ShownBox::Kind::Error).isEmpty(); }, 5000));
    DoubleClickCell(8, 3);
    QTest::qWait(3 * RecoveryJournal::kDelayMs);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Error).size(), 1);
    EXPECT_EQ(Form().Game().TeamByNumber(1)->Mark(2), 1);  // the scorer goes on
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    Close();
}
