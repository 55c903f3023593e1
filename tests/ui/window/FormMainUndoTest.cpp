// Undo and redo through the main window: every kind of change comes back
// exactly (the game file's bytes, what the file does not hold, and every
// cell of the table), the two commands name the step in their captions and
// answer their keys, New and Open start a new history, and the modified
// state follows the saved state. And the rows of a table whose places are
// stale: each click changes the team its row shows.
#include "FormMainFixture.h"

#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "ui/document/GameDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <functional>
#include <set>

namespace {

QStringList GridTexts(const QTableView* grid) {
    QStringList texts;
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            texts.append(model->index(row, column).data().toString());
    return texts;
}

}  // namespace

class FormMainUndoTest : public FormMainTest {
protected:
    void OpenThreeTeams() {
        Start();
        FPath = SaveGame(*ThreeTeamGame(), "game.qgm");
        Open(FPath);
    }

    // The game as a save would write it, what the file does not hold, and the table.
    QString State() const {
        const TVemoData& game = FForm->Game();
        return QString::fromLatin1(QByteArray::fromStdString(game.GameFileBytes()).toHex()) +
               QStringLiteral(" last=%1 ").arg(game.LastQuestion()) + GridTexts(Grid()).join(u'|');
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
        QTest::keyClick(&Form(), key, modifiers);
    }

    QString FPath;
};

TEST_F(FormMainUndoTest, EveryKindOfChangeIsUndoneAndRedoneExactly) {
    using Step = std::function<void()>;
    struct Case {
        const char* name;
        Step prepare;
        Step change;
        QString step;
    };
    const Step nothing = [] {};
    const Case cases[] = {
        {"toggle", nothing, [this] { DoubleClickCell(8, 4); },
         QStringLiteral("Ответ команды 2 на вопрос 3")},
        {"whole question", [this] { ClickCell(7, 2); },
         [this] { Action("ActInverse")->trigger(); }, QStringLiteral("Инверсия: вопрос 2")},
        {"all plus in the second tour",
         [this] {
             Choose(Box("ToursBox"), 2);
             ClickCell(7, 2);
         },
         [this] { Action("ActAllPlus")->trigger(); }, QStringLiteral("Взяли все: вопрос 2")},
        {"replacement", nothing,
         [this] {
             auto copy = TVemoData::CreateCopy(Form().Game());
             copy->DeleteTeam(copy->TeamByNumber(1));
             copy->SetGameName("Registered");
             Form().Document().Replace(std::move(copy), QStringLiteral("Регистрация команд"));
         },
         QStringLiteral("Регистрация команд")},
    };
    for (const Case& c : cases) {
        OpenThreeTeams();
        c.prepare();
        const QString before = State();
        c.change();
        const QString after = State();
        ASSERT_NE(before, after) << c.name;
        EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить: ") + c.step) << c.name;
        Action("ActUndo")->trigger();
        EXPECT_EQ(State(), before) << c.name;
        EXPECT_EQ(Action("ActRedo")->text(), QStringLiteral("Повторить: ") + c.step) << c.name;
        Action("ActRedo")->trigger();
        EXPECT_EQ(State(), after) << c.name;
        FDialogs.answers.enqueue(Dialogs::Answer::No);  // the next start closes this window
    }
    Close();
}

// An option changed after a step stays as the window shows it when the
// step is undone: the game that comes back is counted with it.
TEST_F(FormMainUndoTest, AnOptionChangedSinceStaysWhenAStepIsUndone) {
    OpenThreeTeams();
    Button("CheckSortByRating")->click();
    const QString sortedByRating = State();
    Button("CheckSortByRating")->click();
    DoubleClickCell(8, 4);
    Button("CheckSortByRating")->click();
    Action("ActUndo")->trigger();
    EXPECT_TRUE(Form().Game().SortByRating());
    EXPECT_EQ(State(), sortedByRating);
}

// A step is undone where it was made: its tour comes back into view, with
// EnterQ showing that tour's last question.
TEST_F(FormMainUndoTest, UndoShowsTheTourOfTheStep) {
    OpenThreeTeams();
    Choose(Box("ToursBox"), 2);
    DoubleClickCell(6, 2);
    Choose(Box("ToursBox"), 0);
    auto* enterQ = Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"));
    ASSERT_EQ(enterQ->value(), 5);
    Action("ActUndo")->trigger();
    EXPECT_EQ(Box("ToursBox")->currentIndex(), 2);
    EXPECT_EQ(Form().Game().CurrentTour(), 2);
    EXPECT_EQ(enterQ->value(), 2);
    EXPECT_EQ(enterQ->maximum(), 2);
}

TEST_F(FormMainUndoTest, TheCommandsNameTheirStepAndAreOffWithoutOne) {
    OpenThreeTeams();
    EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить"));
    EXPECT_EQ(Action("ActRedo")->text(), QStringLiteral("Повторить"));
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
    EXPECT_FALSE(Action("ActRedo")->isEnabled());
    DoubleClickCell(6, 2);
    EXPECT_TRUE(Action("ActUndo")->isEnabled());
    EXPECT_EQ(Action("ActUndo")->toolTip(), QStringLiteral("Отменить: Ответ команды 3 на вопрос 1"));
    Action("ActUndo")->trigger();
    EXPECT_EQ(Action("ActUndo")->text(), QStringLiteral("Отменить"));
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
    EXPECT_TRUE(Action("ActRedo")->isEnabled());
}

TEST_F(FormMainUndoTest, TheKeysUndoAndRedo) {
    OpenThreeTeams();
    const QString before = State();
    DoubleClickCell(8, 4);
    const QString after = State();
    Press(Qt::Key_Z);
    EXPECT_EQ(State(), before);
    Press(Qt::Key_Y);
    EXPECT_EQ(State(), after);
    Press(Qt::Key_Z);
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(State(), after);
}

TEST_F(FormMainUndoTest, NewAndOpenStartANewHistory) {
    OpenThreeTeams();
    DoubleClickCell(8, 4);
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    Open(FPath);
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
    DoubleClickCell(8, 4);
    FDialogs.answers.enqueue(Dialogs::Answer::No);
    CancelRegistration();
    Action("ActNew")->trigger();
    EXPECT_FALSE(Action("ActUndo")->isEnabled());
    EXPECT_EQ(Form().Document().History().count(), 0);
}

TEST_F(FormMainUndoTest, UndoingBackToTheSavedStateLeavesTheGameUnmodified) {
    OpenThreeTeams();
    DoubleClickCell(8, 4);
    Action("ActSaveFile")->trigger();
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    DoubleClickCell(8, 3);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    Press(Qt::Key_Z);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    Press(Qt::Key_Z);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    Press(Qt::Key_Y);
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
}

// Another group chosen with automatic counting off leaves the places of the
// whole game: every team of the group still has one row, and a click on a
// row changes the team that row shows.
TEST_F(FormMainUndoTest, WithStalePlacesEveryClickChangesTheTeamOfItsRow) {
    auto game = MakeGame({4}, {"----", "+---", "++--", "+++-", "++++"});
    for (const char* name : {"G1", "G2"}) {
        const TGroupData group{name};
        game->AddGroup(&group);
    }
    for (int number : {1, 3, 5}) game->TeamByNumber(number)->SetGroup(game->GroupByIndex(1));
    game->TeamByNumber(2)->SetGroup(game->GroupByIndex(0));
    Start();
    Open(SaveGame(*game, "groups.qgm"));
    Button("CheckAutoCount")->click();
    Choose(Box("GroupsBox"), 2);
    ASSERT_EQ(Form().Game().CurrentGroup(), 2);

    const QStringList shown = TeamOrder();
    EXPECT_EQ(std::set<QString>(shown.begin(), shown.end()), (std::set<QString>{"T1", "T3", "T5"}));
    const int firstTeamRow = HeaderRows();
    for (int row = 0; row < shown.size(); ++row) {
        const TTeamData* team = Form().Game().TeamByNumber(shown[row].mid(1).toInt());
        const uint8_t before = team->RawMark(3);
        DoubleClickCell(6 + 3, firstTeamRow + row);
        EXPECT_NE(team->RawMark(3), before) << shown[row].toStdString();
        EXPECT_EQ(TeamOrder(), shown);
    }
}
