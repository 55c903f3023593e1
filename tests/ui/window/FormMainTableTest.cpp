// The game table inside the main window: its columns and header rows as
// the output options say, the order of rows, the questions of a tour,
// double-click toggles, the whole-question commands and the switch between
// the drawn and the text grid.
#include "FormMainFixture.h"

#include "model/VemoData.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTableView>

namespace {

const QStringList kDefaultTeamHeaders = {"N", "Команда", "Город", "О", "Рейт.", "Взят."};

}  // namespace

class FormMainTableTest : public FormMainTest {
protected:
    void OpenThreeTeams() {
        Start();
        FPath = SaveGame(*ThreeTeamGame(), "game.qgm");
        Open(FPath);
    }
    void ClickAll(std::initializer_list<const char*> checks) {
        for (const char* check : checks) Button(check)->click();
    }

    QString FPath;
};

TEST_F(FormMainTableTest, DefaultOptionsShowSixTeamColumnsAndTwoHeaderRows) {
    OpenThreeTeams();
    EXPECT_EQ(Grid()->model()->columnCount(), 11);
    EXPECT_EQ(Grid()->model()->rowCount(), 5);
    EXPECT_EQ(RowTexts(0, 11), (QStringList{"", "", "", "", "", "", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(RowTexts(1, 11), kDefaultTeamHeaders + QStringList({"1", "2", "3", "2", "3"}));
    EXPECT_EQ(RowTexts(2, 11), (QStringList{"3", "T3", "Town", "5", "11", "5", "+", "+", "+", "+", "+"}));
    EXPECT_EQ(RowTexts(4, 11), (QStringList{"2", "T2", "Town", "1", "1", "1", "+", "-", "-", "-", "-"}));
}

TEST_F(FormMainTableTest, OutputChecksChooseTheColumnsAndTheRatingRow) {
    OpenThreeTeams();
    ClickAll({"CheckOutCapt", "CheckOutPlace", "CheckOutTown", "CheckOutRating", "CheckOutQuest"});
    EXPECT_EQ(HeaderRows(), 1);
    EXPECT_EQ(RowTexts(0, 11), (QStringList{"N", "Команда", "Капитан", "М", "О", "Рейт.", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(RowTexts(1, 7), (QStringList{"3", "T3", "", "1", "5", "11", "+"}));
    EXPECT_FALSE(Action("ActOutTown")->isChecked());

    ClickAll({"CheckOutRating"});
    EXPECT_EQ(HeaderRows(), 2);
    EXPECT_EQ(Cell(3, 0), QString());
    EXPECT_EQ(Cell(3, 1), QStringLiteral("М"));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("3"));
}

TEST_F(FormMainTableTest, WithoutAnyTeamColumnTheNamesStay) {
    OpenThreeTeams();
    ClickAll({"CheckOutNTeam", "CheckOutTeam", "CheckOutTown", "CheckOutScore", "CheckOutSumRating", "CheckOutQuest"});
    EXPECT_EQ(Grid()->model()->columnCount(), 6);
    EXPECT_EQ(RowTexts(1, 6), (QStringList{"Команда", "1", "2", "3", "2", "3"}));
    EXPECT_TRUE(Action("ActOutTeam")->isChecked());
    EXPECT_TRUE(Button("CheckOutTeam")->isChecked());
}

TEST_F(FormMainTableTest, UnsortedRowsFollowTheTeamNumbers) {
    OpenThreeTeams();
    Form().Game().SwapTeamNumbers(1, 3);
    Form().Game().CountResult();
    Form().RebuildTable();
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));

    Button("CheckSorting")->click();
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T2", "T1"}));
    EXPECT_EQ(RowTexts(2, 2), (QStringList{"1", "T3"}));
}

TEST_F(FormMainTableTest, TourChoiceNumbersItsQuestionsFromOne) {
    OpenThreeTeams();
    QComboBox* tours = Box("ToursBox");
    EXPECT_TRUE(tours->isEnabled());
    ASSERT_EQ(tours->count(), 3);
    EXPECT_EQ(tours->itemText(0), QStringLiteral("[Вся игра] Game"));
    EXPECT_EQ(tours->itemText(2), QStringLiteral("Тур 2"));

    Choose(tours, 2);
    EXPECT_EQ(Grid()->model()->columnCount(), 8);
    EXPECT_EQ(RowTexts(0, 8).mid(6), (QStringList{"1", "2"}));
    EXPECT_EQ(RowTexts(1, 8).mid(6), (QStringList{"2", "3"}));
    EXPECT_EQ(tours->currentIndex(), 2);
    EXPECT_EQ(Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"))->value(), 2);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Тур 2 (") + FPath + u')');
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    EXPECT_EQ(Cell(3, 3), QStringLiteral("1"));
}

TEST_F(FormMainTableTest, DoubleClickTogglesTheCurrentAnswerAndRecounts) {
    OpenThreeTeams();
    DoubleClickCell(8, 4);
    EXPECT_EQ(Cell(8, 4), QStringLiteral("+"));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("2"));
    EXPECT_EQ(RowTexts(4, 6), (QStringList{"2", "T2", "Town", "2", "3", "2"}));
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Mark(2), 1);

    DoubleClickCell(8, 4);
    EXPECT_EQ(Cell(8, 4), QStringLiteral("-"));
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Mark(2), 0);
}

TEST_F(FormMainTableTest, WholeQuestionCommandsChangeTheCurrentColumn) {
    OpenThreeTeams();
    ClickCell(8, 2);
    Action("ActInverse")->trigger();
    EXPECT_EQ((QStringList{Cell(8, 2), Cell(8, 3), Cell(8, 4)}), (QStringList{"-", "+", "+"}));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("2"));
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());

    Action("ActAllPlus")->trigger();
    EXPECT_EQ((QStringList{Cell(8, 2), Cell(8, 3), Cell(8, 4)}), (QStringList{"+", "+", "+"}));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("1"));

    Action("ActAllMinus")->trigger();
    EXPECT_EQ((QStringList{Cell(8, 2), Cell(8, 3), Cell(8, 4)}), (QStringList{"-", "-", "-"}));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("4"));
}

TEST_F(FormMainTableTest, WholeQuestionWithAGroupInViewChangesOnlyThatGroup) {
    Start();
    Open(SaveGame(*GroupGame(), "groups.qgm"));
    Choose(Box("GroupsBox"), 2);
    EXPECT_EQ(TeamOrder(), (QStringList{"T2", "T3"}));

    ClickCell(6, 2);
    Action("ActAllPlus")->trigger();
    const TVemoData& game = Form().Game();
    EXPECT_EQ(game.TeamByNumber(1)->Mark(0), 0);
    EXPECT_EQ(game.TeamByNumber(2)->Mark(0), 1);
    EXPECT_EQ(game.TeamByNumber(3)->Mark(0), 1);
    EXPECT_EQ(game.TeamByNumber(4)->Mark(0), 0);
    EXPECT_EQ(Cell(6, 1), QStringLiteral("1"));
}

TEST_F(FormMainTableTest, SwitchingTheFormKeepsTheCurrentCell) {
    OpenThreeTeams();
    ClickCell(9, 3);
    QTableView* graphic = Grid();
    EXPECT_EQ(graphic->objectName(), QStringLiteral("TableGr"));

    Button("CheckGraphTable")->click();
    QTableView* text = Grid();
    EXPECT_EQ(text->objectName(), QStringLiteral("Table"));
    EXPECT_FALSE(graphic->isVisible());
    EXPECT_EQ(text->currentIndex().row(), 3);
    EXPECT_EQ(text->currentIndex().column(), 9);
    EXPECT_EQ(RowTexts(2, 11), (QStringList{"3", "T3", "Town", "5", "11", "5", "+", "+", "+", "+", "+"}));

    DoubleClickCell(9, 3);
    EXPECT_EQ(Form().Game().TeamByNumber(1)->Mark(3), 0);
}

TEST_F(FormMainTableTest, AnEmptyGameShowsNoTableAndNothingToChoose) {
    Start();
    EXPECT_FALSE(Form().findChild<QTableView*>(QStringLiteral("TableGr"))->isVisibleTo(&Form()));
    EXPECT_FALSE(Box("ToursBox")->isEnabled());
    EXPECT_EQ(Box("ToursBox")->count(), 0);
    EXPECT_FALSE(Box("GroupsBox")->isEnabled());
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007"));
}
