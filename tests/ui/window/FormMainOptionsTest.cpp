// The counting options and the group selector of the main window: which
// option recounts when, the rating type, the group choice with the
// empty-group message, and the count options every new game takes.
#include "FormMainFixture.h"

#include "support/GameBuilder.h"
#include "model/VemoData.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QTest>

namespace {

// T2 and T1 are equal in score (2) and rating (7); T2 took the single
// hardest question (rated 5), so it ranks first only with the higher
// rating counted. T2 stakes one point.
std::unique_ptr<TVemoData> TiedLeadersGame() {
    auto game = MakeGame({4}, {"--++", "++--", "-++-", "-+-+", "-+-+"});
    game->TeamByNumber(2)->ScoreDeposit = 1;
    return game;
}

}  // namespace

class FormMainOptionsTest : public FormMainTest {
protected:
    void OpenTiedLeaders() {
        Start();
        Open(SaveGame(*TiedLeadersGame(), "tied.qgm"));
        ASSERT_EQ(TeamOrder().mid(0, 2), (QStringList{"T2", "T1"}));
    }
};

TEST_F(FormMainOptionsTest, HigherRatingRecountsEvenWithoutAutomaticCounting) {
    OpenTiedLeaders();
    Button("CheckAutoCount")->click();
    Button("CheckHiRating")->click();
    EXPECT_FALSE(Form().Game().HiRating());
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T1", "T2"}));
    Button("CheckHiRating")->click();
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T2", "T1"}));
}

TEST_F(FormMainOptionsTest, SortByRatingRecountsEvenWithoutAutomaticCounting) {
    OpenTiedLeaders();
    Button("CheckAutoCount")->click();
    Button("CheckSortByRating")->click();
    EXPECT_TRUE(Form().Game().SortByRating());
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T1", "T2"}));
}

TEST_F(FormMainOptionsTest, DepositReordersOnlyWithAutomaticCounting) {
    OpenTiedLeaders();
    Button("CheckAutoCount")->click();
    Button("CheckDeposEnable")->click();
    EXPECT_TRUE(Form().Game().DepositScore());
    EXPECT_EQ(TeamOrder().first(), QStringLiteral("T2"));

    Button("CheckDeposEnable")->click();
    Button("CheckAutoCount")->click();
    Button("CheckDeposEnable")->click();
    EXPECT_EQ(TeamOrder().last(), QStringLiteral("T2"));
    EXPECT_EQ(RowTexts(6, 4), (QStringList{"2", "T2", "Town", "1"}));
}

TEST_F(FormMainOptionsTest, AutomaticCountingCountsWhenSwitchedOnAndCountCommandOnDemand) {
    OpenTiedLeaders();
    Button("CheckAutoCount")->click();
    DoubleClickCell(6, 3);
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T2", "T1"}));
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    Action("ActCount")->trigger();
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T1", "T2"}));

    DoubleClickCell(6, 2);
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T1", "T2"}));
    Button("CheckAutoCount")->click();
    EXPECT_EQ(TeamOrder().mid(0, 2), (QStringList{"T2", "T1"}));
}

TEST_F(FormMainOptionsTest, RatingTypeChangesTheRatingsShown) {
    Start();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    Button("ChooseRating1")->click();
    EXPECT_FALSE(Form().Game().RatingPlusOne());
    EXPECT_EQ(RowTexts(1, 11).mid(6), (QStringList{"0", "1", "2", "1", "2"}));
    EXPECT_EQ(Cell(4, 2), QStringLiteral("6"));
    Button("ChooseRating0")->click();
    EXPECT_EQ(Cell(4, 2), QStringLiteral("11"));
}

TEST_F(FormMainOptionsTest, NewGamesTakeTheOptionsOfTheWindow) {
    Start();
    Button("CheckHiRating")->click();
    Button("CheckSortByRating")->click();
    Button("CheckDeposEnable")->click();
    Button("ChooseRating1")->click();
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    const TVemoData& game = Form().Game();
    EXPECT_FALSE(game.HiRating());
    EXPECT_TRUE(game.SortByRating());
    EXPECT_TRUE(game.DepositScore());
    EXPECT_FALSE(game.RatingPlusOne());
}

TEST_F(FormMainOptionsTest, GroupChoiceShowsTheGroupAndRefusesAnEmptyOne) {
    Start();
    Open(SaveGame(*GroupGame(), "groups.qgm"));
    QComboBox* groups = Box("GroupsBox");
    ASSERT_EQ(groups->count(), 4);
    EXPECT_EQ(groups->itemText(0), QStringLiteral("[Общий зачет]"));
    EXPECT_EQ(groups->itemText(3), QStringLiteral("G3"));
    EXPECT_TRUE(groups->isEnabled());
    EXPECT_FALSE(Box("ToursBox")->isEnabled());

    Choose(groups, 2);
    EXPECT_EQ(TeamOrder(), (QStringList{"T2", "T3"}));
    FDialogs.ExpectError(QStringLiteral("Группа \"G3\" не содержит ни одной команды."), QStringLiteral("Ошибка"));
    QTest::keyClick(groups, Qt::Key_Down);
    EXPECT_EQ(groups->currentIndex(), 2);
    EXPECT_EQ(Form().Game().CurrentGroup(), 2);
    EXPECT_EQ(TeamOrder(), (QStringList{"T2", "T3"}));

    Choose(groups, 0);
    EXPECT_EQ(TeamOrder().size(), 4);
}

TEST_F(FormMainOptionsTest, SettingsPanelFollowsItsAction) {
    Start();
    QWidget* panel = Form().findChild<QWidget*>(QStringLiteral("SettPanel"));
    ASSERT_TRUE(panel->isVisible());
    Action("ActSett")->trigger();
    EXPECT_FALSE(panel->isVisible());
    Action("ActSett")->trigger();
    EXPECT_TRUE(panel->isVisible());
}
