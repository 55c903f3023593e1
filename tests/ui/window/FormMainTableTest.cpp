// The game table inside the main window: the wiring of the output options,
// the selectors, the double click and the whole-question commands to the
// table and the change tail. What the table shows for each option and how
// it reacts to mouse and keys is the game table's own test.
#include "FormMainFixture.h"

#include "model/VemoData.h"
#include "settings/TableOptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTableView>

#include <functional>

namespace {

// Every text of the grid, row by row.
QStringList GridTexts(const QTableView* grid) {
    QStringList texts;
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            texts.append(model->index(row, column).data().toString());
    return texts;
}

}  // namespace

class FormMainTableTest : public FormMainTest {
protected:
    void OpenThreeTeams() {
        Start();
        FPath = SaveGame(*ThreeTeamGame(), "game.qgm");
        Open(FPath);
    }
    QStringList ThirdColumn() const { return {Cell(8, 2), Cell(8, 3), Cell(8, 4)}; }

    QString FPath;
};

TEST_F(FormMainTableTest, EachOutputCheckTogglesItsActionAndRebuildsTheTable) {
    OpenThreeTeams();
    for (const DisplayOptionInfo& info : kDisplayOptions) {
        const QByteArray name(info.name.data(), static_cast<qsizetype>(info.name.size()));
        QAction* action = Action("Act" + name);
        const bool before = action->isChecked();
        const QStringList shown = GridTexts(Grid());
        Button("Check" + name)->click();
        EXPECT_NE(action->isChecked(), before) << name.constData();
        EXPECT_NE(GridTexts(Grid()), shown) << name.constData();
        Button("Check" + name)->click();
        EXPECT_EQ(GridTexts(Grid()), shown) << name.constData();
    }
}

TEST_F(FormMainTableTest, WithoutAnyTeamColumnTheNameColumnIsCheckedAgain) {
    OpenThreeTeams();
    for (const char* check : {"CheckOutNTeam", "CheckOutTeam", "CheckOutTown", "CheckOutScore", "CheckOutSumRating",
                              "CheckOutQuest"})
        Button(check)->click();
    EXPECT_EQ(Cell(0, 1), QStringLiteral("Команда"));
    EXPECT_TRUE(Action("ActOutTeam")->isChecked());
    EXPECT_TRUE(Button("CheckOutTeam")->isChecked());
}

TEST_F(FormMainTableTest, TourChoiceShowsTheTourCountsItAndResetsEnterQ) {
    OpenThreeTeams();
    QComboBox* tours = Box("ToursBox");
    ASSERT_EQ(tours->count(), 3);
    EXPECT_EQ(tours->itemText(0), QStringLiteral("[Вся игра] Game"));
    EXPECT_EQ(tours->itemText(2), QStringLiteral("Тур 2"));

    Choose(tours, 1);
    auto* enterQ = Form().findChild<QSpinBox*>(QStringLiteral("EnterQ"));
    EXPECT_EQ(enterQ->maximum(), 3);
    EXPECT_EQ(enterQ->value(), 3);
    EXPECT_EQ(RowTexts(2, 6), (QStringList{"3", "T3", "Town", "3", "6", "3"}));
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Тур 1 (") + FPath + u')');
    EXPECT_EQ(tours->currentIndex(), 1);
}

TEST_F(FormMainTableTest, ADoubleClickRunsTheChangeTail) {
    OpenThreeTeams();
    DoubleClickCell(8, 4);
    EXPECT_EQ(Form().Game().TeamByNumber(2)->Mark(2), 1);
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_EQ(RowTexts(4, 6), (QStringList{"2", "T2", "Town", "2", "3", "2"}));
}

TEST_F(FormMainTableTest, WholeQuestionCommandsActOnTheCurrentColumnAndRunTheChangeTail) {
    struct Case {
        const char* action;
        QStringList column;
        QString rating;
    };
    const Case cases[] = {
        {"ActInverse", {"-", "+", "+"}, "2"},
        {"ActAllPlus", {"+", "+", "+"}, "1"},
        {"ActAllMinus", {"-", "-", "-"}, "4"},
    };
    OpenThreeTeams();
    ClickCell(8, 2);
    for (const Case& c : cases) {
        Action(c.action)->trigger();
        EXPECT_EQ(ThirdColumn(), c.column) << c.action;
        EXPECT_EQ(Cell(8, 1), c.rating) << c.action;
    }
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
}

TEST_F(FormMainTableTest, TheGraphicCheckSwitchesTheGrid) {
    OpenThreeTeams();
    EXPECT_EQ(Grid()->objectName(), QStringLiteral("TableGr"));
    Button("CheckGraphTable")->click();
    EXPECT_EQ(Grid()->objectName(), QStringLiteral("Table"));
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
}

TEST_F(FormMainTableTest, AnEmptyGameShowsNoTableAndNothingToChoose) {
    Start();
    EXPECT_FALSE(Form().findChild<QTableView*>(QStringLiteral("TableGr"))->isVisibleTo(&Form()));
    EXPECT_FALSE(Box("ToursBox")->isEnabled());
    EXPECT_EQ(Box("ToursBox")->count(), 0);
    EXPECT_FALSE(Box("GroupsBox")->isEnabled());
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007"));
}
