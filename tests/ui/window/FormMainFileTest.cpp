// The game commands of the main window: open, save, save as, new, the
// save-changes prompt on New, Open and Close, write failures, and opening
// from the command line.
#include "FormMainFixture.h"

#include "support/GameBuilder.h"
#include "support/TempDir.h"
#include "model/VemoData.h"
#include "ui/document/GameDocument.h"

#include <QAction>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <filesystem>

namespace {

const QString kSaveQuestion = QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?");
const QString kWriteError = QStringLiteral("Ошибка записи. Файл не сохранен");

int TakenByFirstTeamInFile(const QString& path) {
    TVemoData game;
    EXPECT_TRUE(game.LoadFromFile(path.toStdString()));
    int taken = 0;
    for (int q = 0; q < game.QuestionCount(); ++q) taken += game.TeamByNumber(1)->RawMark(q) ? 1 : 0;
    return taken;
}

}  // namespace

class FormMainFileTest : public FormMainTest {
protected:
    // Opens the three-team game and toggles T1's first mark, so the game is modified.
    QString OpenModified() {
        const QString path = SaveGame(*ThreeTeamGame(), "game.qgm");
        Open(path);
        ClickCell(6, 3);
        DoubleClickCell(6, 3);
        EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
        return path;
    }

    QList<ShownBox> Questions() const {
        QList<ShownBox> questions;
        for (const ShownBox& box : FDialogs.shown)
            if (box.kind == ShownBox::Kind::Question) questions.append(box);
        return questions;
    }
};

TEST_F(FormMainFileTest, OpenShowsTheGameAndEnablesItsCommands) {
    Start();
    const QString path = SaveGame(*ThreeTeamGame(), "game.qgm");
    Open(path);

    ASSERT_EQ(FDialogs.shown.size(), 1);
    const FileDialogRequest& request = FDialogs.shown[0].request;
    EXPECT_EQ(request.title, QStringLiteral("Загрузка игры"));
    EXPECT_EQ(request.directory, ProgramDir());
    EXPECT_EQ(request.filter, QStringLiteral("Игровые файлы \"ВеМо 2003\" (*.qgm)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("qgm"));

    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + path + u')');
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    for (const char* name : {"ActSaveAsFile", "ActAllPlus", "ActAllMinus", "ActInverse", "ActCount"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
}

TEST_F(FormMainFileTest, EnterQShowsTheWindowAfterOpenAndCannotBeChanged) {
    Start();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    auto* enterQ = Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"));
    ASSERT_NE(enterQ, nullptr);
    EXPECT_EQ(enterQ->value(), 5);
    EXPECT_EQ(enterQ->maximum(), 5);
    EXPECT_EQ(Form().Game().LastQuestion(), 5);

    enterQ->setFocus();
    QTest::keyClick(enterQ, Qt::Key_Down);
    QTest::keyClicks(enterQ, QStringLiteral("2"));
    EXPECT_EQ(enterQ->value(), 5);
}

TEST_F(FormMainFileTest, NextDialogStartsInTheFolderOfTheLastFile) {
    Start();
    TempDir other;
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    const QString savedAs = QString::fromStdString(other.File("copy.qgm"));
    FDialogs.fileNames.enqueue(savedAs);
    Action("ActSaveAsFile")->trigger();
    Open(QString());

    ASSERT_EQ(FDialogs.shown.size(), 3);
    EXPECT_EQ(FDialogs.shown[1].request.title, QStringLiteral("Сохранение игры"));
    EXPECT_EQ(FDialogs.shown[1].request.directory, QString::fromStdString(FFolder.Path().string()) + u'/');
    EXPECT_EQ(FDialogs.shown[2].request.directory, QString::fromStdString(other.Path().string()) + u'/');
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + savedAs + u')');
    EXPECT_EQ(Form().CurrentFile(), savedAs);
}

TEST_F(FormMainFileTest, CancelledOpenKeepsTheGameButTheSavedAnswerStands) {
    Start();
    const QString path = OpenModified();
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    Open(QString());

    EXPECT_EQ(Questions().size(), 1);
    EXPECT_EQ(TakenByFirstTeamInFile(path), 2);
    EXPECT_EQ(Form().CurrentFile(), path);
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
}

TEST_F(FormMainFileTest, PromptOnNewCancelNoAndYes) {
    Start();
    const QString path = OpenModified();
    const QString title = Form().windowTitle();

    FDialogs.answers.enqueue(Dialogs::Answer::Cancel);
    Action("ActNew")->trigger();
    ASSERT_EQ(Questions().size(), 1);
    EXPECT_EQ(Questions()[0].text, kSaveQuestion);
    EXPECT_EQ(Questions()[0].caption, QStringLiteral("Сохранение"));
    EXPECT_EQ(Form().windowTitle(), title);
    EXPECT_EQ(Form().Game().TeamCount(), 3);

    FDialogs.answers.enqueue(Dialogs::Answer::No);
    CancelRegistration();
    Action("ActNew")->trigger();
    EXPECT_EQ(TakenByFirstTeamInFile(path), 3);
    EXPECT_EQ(Form().Game().TeamCount(), 0);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007"));
    EXPECT_TRUE(Form().CurrentFile().isEmpty());
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    EXPECT_FALSE(Action("ActAllPlus")->isEnabled());
    EXPECT_TRUE(Action("ActSaveAsFile")->isEnabled());
    EXPECT_FALSE(Form().findChild<QTableView*>(QStringLiteral("TableGr"))->isVisibleTo(&Form()));

    Open(path);
    ClickCell(6, 3);
    DoubleClickCell(6, 3);
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    CancelRegistration();
    Action("ActNew")->trigger();
    EXPECT_EQ(TakenByFirstTeamInFile(path), 2);
    EXPECT_EQ(Form().Game().TeamCount(), 0);
}

TEST_F(FormMainFileTest, NoPromptForAnUnchangedGame) {
    Start();
    CancelRegistration();
    Action("ActNew")->trigger();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    CancelRegistration();
    Action("ActNew")->trigger();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    EXPECT_FALSE(Close());
    EXPECT_TRUE(Questions().isEmpty());
}

TEST_F(FormMainFileTest, PromptOnOpenYesSavesThenOpensTheOtherGame) {
    Start();
    const QString first = OpenModified();
    const QString second = SaveGame(*MakeGame({2}, {"++", "--"}), "second.qgm");
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    Open(second);
    EXPECT_EQ(TakenByFirstTeamInFile(first), 2);
    EXPECT_EQ(Form().CurrentFile(), second);
    EXPECT_EQ(Form().Game().TeamCount(), 2);
}

TEST_F(FormMainFileTest, PromptOnCloseCancelNoAndYes) {
    Start();
    const QString path = OpenModified();
    FDialogs.answers.enqueue(Dialogs::Answer::Cancel);
    EXPECT_TRUE(Close());
    EXPECT_FALSE(std::filesystem::exists(ConfigFile()));

    FDialogs.answers.enqueue(Dialogs::Answer::No);
    EXPECT_FALSE(Close());
    EXPECT_TRUE(std::filesystem::exists(ConfigFile()));
    EXPECT_EQ(TakenByFirstTeamInFile(path), 3);

    Start();
    OpenModified();
    FDialogs.answers.enqueue(Dialogs::Answer::Yes);
    EXPECT_FALSE(Close());
    EXPECT_EQ(TakenByFirstTeamInFile(path), 2);
    EXPECT_EQ(Questions().size(), 3);
}

TEST_F(FormMainFileTest, FailedSaveAsReportsAndLeavesTheGameModified) {
    Start();
    const QString path = OpenModified();
    FDialogs.fileNames.enqueue(QString::fromStdString(FFolder.File("missing/game.qgm")));
    FDialogs.ExpectError(kWriteError, QStringLiteral("Ошибка"));
    Action("ActSaveAsFile")->trigger();

    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_EQ(Form().CurrentFile(), path);
}

TEST_F(FormMainFileTest, FailedSaveToTheCurrentFileReportsAndLeavesTheGameModified) {
    Start();
    const QString path = OpenModified();
    std::filesystem::remove(path.toStdString());
    std::filesystem::create_directory(path.toStdString());
    FDialogs.ExpectError(kWriteError, QStringLiteral("Ошибка"));
    Action("ActSaveFile")->trigger();

    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
}

TEST_F(FormMainFileTest, TruncatedFileReachesTheGeneralErrorBoxAndLeavesAnEmptyGame) {
    Start();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    const std::string whole = ReadBytes(FFolder.File("game.qgm"));
    WriteBytes(FFolder.File("short.qgm"), whole.substr(0, whole.size() / 2));
    FDialogs.fileNames.enqueue(QString::fromStdString(FFolder.File("short.qgm")));
    FDialogs.ExpectError(QStringLiteral("Read beyond end of file"), QStringLiteral("ВеМо 2007"));
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    QTest::keyClick(&Form(), Qt::Key_O, Qt::ControlModifier);

    EXPECT_EQ(Form().Game().TeamCount(), 0);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007"));
    EXPECT_FALSE(Action("ActAllPlus")->isEnabled());
    EXPECT_TRUE(Form().CurrentFile().isEmpty());
}

TEST_F(FormMainFileTest, CommandLineOpensTheGame) {
    const QString path = SaveGame(*ThreeTeamGame(), "game.qgm");
    StartupOptions options;
    options.hasOpen = true;
    options.openPath = path;
    Start(options);

    EXPECT_TRUE(FDialogs.shown.isEmpty());
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + path + u')');
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    EXPECT_EQ(Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"))->value(), 5);
    EXPECT_TRUE(Action("ActAllPlus")->isEnabled());
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
}

TEST_F(FormMainFileTest, CommandLineWithAMissingFileSaysSoAndStartsEmpty) {
    StartupOptions options;
    options.hasOpen = true;
    options.openPath = QString::fromStdString(FFolder.File("нет такого.qgm"));
    FDialogs.ExpectError(QStringLiteral("Файл не найден!\r") + options.openPath, QStringLiteral("Ошибка"));
    Start(options);

    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007"));
    EXPECT_TRUE(Form().findChild<QWidget*>(QStringLiteral("PanelBack"))->isVisible());
}

// Yes to the save prompt means the scorer wants the results kept: when the
// save then fails or its dialog is cancelled, New, Open and Close stop, and
// the game stays, modified.
TEST_F(FormMainFileTest, AnUnsavedYesCancelsNewOpenAndClose) {
    enum class Command { New, Open, Close };
    enum class Failure { WriteFails, DialogCancelled };
    struct Case {
        Command command;
        Failure failure;
    };
    const Case cases[] = {
        {Command::New, Failure::WriteFails},   {Command::New, Failure::DialogCancelled},
        {Command::Open, Failure::WriteFails},  {Command::Open, Failure::DialogCancelled},
        {Command::Close, Failure::WriteFails}, {Command::Close, Failure::DialogCancelled},
    };
    for (const Case& c : cases) {
        const std::string label = std::to_string(static_cast<int>(c.command)) + "/" +
                                  std::to_string(static_cast<int>(c.failure));
        Start();
        const QString path = OpenModified();
        if (c.failure == Failure::WriteFails) {
            std::filesystem::remove(path.toStdString());
            std::filesystem::create_directory(path.toStdString());
            FDialogs.ExpectError(kWriteError, QStringLiteral("Ошибка"));
        } else {
            Form().Document().Open(ThreeTeamGame(), {});  // a game never saved: Save asks for a file
            DoubleClickCell(6, 3);
            FDialogs.fileNames.enqueue(QString());
        }
        FDialogs.answers.enqueue(Dialogs::Answer::Yes);
        switch (c.command) {
            case Command::New: Action("ActNew")->trigger(); break;
            case Command::Open: Action("ActOpenFile")->trigger(); break;
            case Command::Close: EXPECT_TRUE(Close()) << label; break;
        }
        EXPECT_EQ(Form().Game().TeamCount(), 3) << label;
        EXPECT_TRUE(Action("ActSaveFile")->isEnabled()) << label;
        std::filesystem::remove(path.toStdString());
        FDialogs.answers.enqueue(Dialogs::Answer::No);  // the fixture's next start closes this window
    }
    Close();
}
