// What the championship window's grids show, without a window: the column
// widths as shares of the width, and the texts of the rows.
#include "champ/ChampTableRows.h"

#include "base/TransCodes.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

using TransCodes::Utf8ToAnsi;

TEST(ChampTableRows, ColumnsTakeTheirSharesRoundedToTheNearestPixelHalvesToEven) {
    struct Case {
        int width;
        std::vector<int> games;
        std::vector<int> table;
    };
    const Case cases[] = {
        // 62.5, 312.5, 56.25; 43.75, 62.5, and 0.34 x 625 just above 212.5 (0.34 has no exact binary form)
        {625, {62, 312, 125, 56, 56}, {44, 213, 213, 62, 62}},
        {650, {65, 325, 130, 58, 58}, {46, 221, 221, 65, 65}},    // 58.5; 45.5, 221
        {0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnWidths(kGamesTableColumns, c.width), c.games) << c.width;
        EXPECT_EQ(ColumnWidths(kResTableColumns, c.width), c.table) << c.width;
    }
}

TEST(ChampTableRows, AGameOfTheListShowsItsNumberNameDateTeamsInViewAndQuestions) {
    auto game = MakeGame({10, 8}, {"+", "-", "+"});
    game->SetGameName(Utf8ToAnsi("Тур 3"));
    game->SetGameDate({2007, 3, 9});
    const TGroupData group{"G"};
    game->AddGroup(&group);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    EXPECT_EQ(GameListRow(3, *game), (std::vector<std::string>{"3", Utf8ToAnsi("Тур 3"), "09.03.2007", "1", "18"}));
}

TEST(ChampTableRows, ATableRowShowsTheCountedOfThePlayedGamesAndTheResultOfTheMode) {
    const ChampTeamRec row{Utf8ToAnsi("Кот"), Utf8ToAnsi("Москва"), "", "", 45, 160, 3, 2, 14};
    struct Case {
        bool byScore;
        int32_t exlGames;
        const char* games;
        const char* result;
    };
    const Case cases[] = {{true, 2, "2(3)", "45/160"}, {true, 3, "3", "45/160"}, {true, 0, "0(3)", "45/160"},
                          {false, 2, "3", "14"}};
    for (const Case& c : cases) {
        ChampSettings settings;
        settings.CountByScore = c.byScore;
        settings.ExlGames = c.exlGames;
        EXPECT_EQ(ChampTableRow(row, settings),
                  (std::vector<std::string>{"2", Utf8ToAnsi("Кот"), Utf8ToAnsi("Москва"), c.games, c.result}))
            << c.byScore << " " << c.exlGames;
    }
}

}  // namespace
