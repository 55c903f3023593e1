// What the game table holds for every combination of its options.
#include "table/CellMatrix.h"
#include "support/GameBuilder.h"
#include "base/TransCodes.h"

#include <gtest/gtest.h>

namespace {

std::string Utf8(const std::string& ansi) { return TransCodes::AnsiToUtf8(ansi); }

std::vector<std::string> Row(const CellMatrix& m, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < m.ColumnCount(); ++c) cells.push_back(Utf8(m.Cell(c, row).Text));
    return cells;
}

TableOptions OnlyName() {
    TableOptions o;
    for (DisplayOption column : {DisplayOption::OutNTeam, DisplayOption::OutTown, DisplayOption::OutScore,
                                 DisplayOption::OutSumRating, DisplayOption::OutQuest})
        o[column] = false;
    return o;
}

// Team 2 leads, team 3 is last; two tours of 2 and 3 questions.
std::unique_ptr<TVemoData> Sample() {
    auto game = MakeGame({2, 3}, {"+-+--", "++++-", "-----"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

}  // namespace

TEST(CellMatrix, DefaultColumnsWithTwoHeaderRows) {
    auto game = Sample();
    TableOptions options;
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(m.FixedColumnCount(), 6);
    EXPECT_EQ(m.FixedRowCount(), 2);
    EXPECT_EQ(m.ColumnCount(), 11);
    EXPECT_EQ(m.RowCount(), 5);
    // Row 0: question numbers only; row 1: team headers and ratings (plus one).
    EXPECT_EQ(Row(m, 0), (std::vector<std::string>{"", "", "", "", "", "", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Row(m, 1), (std::vector<std::string>{"N", "Команда", "Город", "О", "Рейт.", "Взят.", "2", "3", "2", "3", "4"}));
    // Sorted by places: team 2 first.
    EXPECT_EQ(Row(m, 2), (std::vector<std::string>{"2", "T2", "Town", "4", "10", "4", "+", "+", "+", "+", "-"}));
    EXPECT_EQ(Row(m, 4), (std::vector<std::string>{"3", "T3", "Town", "0", "0", "0", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(m.ColumnWidths(), (std::vector<int>{25, 160, 80, 30, 30, 30, 30, 30, 30, 30, 30}));
    EXPECT_TRUE(m.Cell(0, 3).Fixed);
    EXPECT_TRUE(m.Cell(7, 1).Fixed);
    EXPECT_FALSE(m.Cell(6, 2).Fixed);
    EXPECT_TRUE(m.IsTeamHeader(1, 1));
    EXPECT_FALSE(m.IsTeamHeader(1, 0));
    EXPECT_FALSE(m.IsTeamHeader(6, 1));
}

TEST(CellMatrix, EveryTeamColumnInItsOrderAndWidth) {
    auto game = Sample();
    game->TeamByIndex(0)->Captain = "Cap";
    game->TeamByIndex(0)->Trainer = "Coach";
    TableOptions options;
    options[DisplayOption::OutCapt] = options[DisplayOption::OutCoach] = options[DisplayOption::OutPlace] = true;
    options[DisplayOption::OutRating] = false;
    options[DisplayOption::Sorting] = false;
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(Row(m, 0), (std::vector<std::string>{"N", "Команда", "Город", "Капитан", "Тренер", "М", "О", "Рейт.",
                                                   "Взят.", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Row(m, 1), (std::vector<std::string>{"1", "T1", "Town", "Cap", "Coach", "2", "2", "4", "2", "+", "-",
                                                   "+", "-", "-"}));
    EXPECT_EQ(std::vector<int>(m.ColumnWidths().begin(), m.ColumnWidths().begin() + 9),
              (std::vector<int>{25, 160, 80, 80, 80, 30, 30, 30, 30}));
}

TEST(CellMatrix, WithoutAnyTeamColumnTheNameIsShown) {
    auto game = Sample();
    TableOptions options = OnlyName();
    options[DisplayOption::OutTeam] = false;
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_TRUE(options[DisplayOption::OutTeam]);
    EXPECT_EQ(m.FixedColumnCount(), 1);
    EXPECT_EQ(Utf8(m.Cell(0, 1).Text), "Команда");
}

TEST(CellMatrix, UnsortedRowsFollowTeamNumbers) {
    auto game = Sample();
    game->SwapTeamNumbers(1, 3);  // registration order now holds numbers 3, 2, 1
    game->CountResult();
    TableOptions options = OnlyName();
    options[DisplayOption::Sorting] = false;
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(m.Cell(0, 2).Text, "T3");
    EXPECT_EQ(m.Cell(0, 3).Text, "T2");
    EXPECT_EQ(m.Cell(0, 4).Text, "T1");
    EXPECT_EQ(m.RowOfTeam(0), 2);
    EXPECT_EQ(m.TeamAtRow(0), 2);
    options[DisplayOption::Sorting] = true;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(m.Cell(0, 2).Text, "T2");
    EXPECT_EQ(m.TeamAtRow(0), 1);
    EXPECT_EQ(m.TeamAtRow(3), -1);
}

TEST(CellMatrix, QuestionNumbersStartAtOneInEveryTour) {
    auto game = Sample();
    game->SetCurrentTour(2);
    game->CountResult();
    TableOptions options = OnlyName();
    options[DisplayOption::OutRating] = false;
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(Row(m, 0), (std::vector<std::string>{"Команда", "1", "2", "3"}));
    EXPECT_EQ(Row(m, 1), (std::vector<std::string>{"T2", "+", "+", "-"}));
}

TEST(CellMatrix, GroupViewShowsOnlyItsTeams) {
    auto game = Sample();
    const TGroupData g{"G"};
    game->AddGroup(&g);
    game->TeamByIndex(2)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    game->CountResult();
    TableOptions options = OnlyName();
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(m.RowCount(), 3);
    EXPECT_EQ(m.Cell(0, 2).Text, "T3");
    // The group's own ratings: one team, nobody took anything.
    EXPECT_EQ(m.Cell(1, 1).Text, "2");
}

TEST(CellMatrix, EmptyPartsOfAGame) {
    CellMatrix m;
    TableOptions options;
    TVemoData empty;
    EXPECT_FALSE(m.Build(empty, options));
    EXPECT_EQ(m.ColumnCount(), 0);
    EXPECT_EQ(m.RowCount(), 0);

    // Questions but no team in view: the header rows alone.
    auto noTeams = MakeGame({3}, {});
    ASSERT_TRUE(m.Build(*noTeams, options));
    EXPECT_EQ(m.RowCount(), 2);
    EXPECT_EQ(m.ColumnCount(), 9);
    EXPECT_EQ(m.Cell(6, 0).Text, "1");

    // Teams but no question: the team columns alone.
    auto noQuestions = MakeGame({}, {"", ""});
    noQuestions->CountResult();
    ASSERT_TRUE(m.Build(*noQuestions, options));
    EXPECT_EQ(m.ColumnCount(), 6);
    EXPECT_EQ(m.RowCount(), 4);
    EXPECT_EQ(m.Cell(1, 2).Text, "T1");
}

// Places left stale (another group chosen with automatic counting off) may
// repeat or lie outside the rows: every team still has a row of its own, in
// the order of the places it has.
TEST(CellMatrix, StalePlacesStillGiveEveryTeamOneRow) {
    auto game = MakeGame({2}, {"++", "--", "+-", "-+"});
    const int stale[] = {7, -1, 0, 0};
    for (int i = 0; i < 4; ++i) game->TeamByIndex(i)->SortPos = stale[i];
    TableOptions options = OnlyName();
    CellMatrix m;
    ASSERT_TRUE(m.Build(*game, options));
    EXPECT_EQ(Utf8(m.Cell(0, 1).Text), "Команда");
    EXPECT_EQ(m.Cell(1, 0).Text, "1");
    std::vector<std::string> names;
    for (int row = 2; row < m.RowCount(); ++row) names.push_back(m.Cell(0, row).Text);
    EXPECT_EQ(names, (std::vector<std::string>{"T2", "T3", "T4", "T1"}));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(m.TeamOfRow(row)->Name, names[row]);
        EXPECT_EQ(m.RowOfTeam(m.TeamAtRow(row)), row);
    }
    EXPECT_EQ(m.Cell(1, 5).Text, "+");  // T1's first answer in the last row
}
