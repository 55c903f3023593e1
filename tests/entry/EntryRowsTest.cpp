#include "entry/EntryRows.h"

#include "EntryGames.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::vector<std::string>> InUtf8(const std::vector<RowTexts>& rows) {
    std::vector<std::vector<std::string>> texts;
    for (const RowTexts& row : rows) {
        texts.emplace_back();
        for (const std::string& cell : row) texts.back().push_back(Utf8(cell));
    }
    return texts;
}

}  // namespace

TEST(EntryRows, TeamRowsFollowTheNumbersAndShowTheGroupOrAMark) {
    auto game = TeamsGame({{"Кот", "Москва", "Иванов", "Петров"}, {"Пёс", "Тверь", "", ""}, {"Ёж", "Орёл", "", ""}});
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(InUtf8(TeamRowTexts(*game)), (Rows{{"1", "Кот", "Москва", "Иванов", "Петров", "-"},
                                                 {"2", "Пёс", "Тверь", "", "", "-"},
                                                 {"3", "Ёж", "Орёл", "", "", "-"}}));
    AddGroups(*game, {"Юниоры", "Взрослые"});
    JoinGroup(*game, 2, 1);
    game->SwapTeamNumbers(1, 3);
    EXPECT_EQ(InUtf8(TeamRowTexts(*game)), (Rows{{"1", "Ёж", "Орёл", "", "", "???"},
                                                 {"2", "Пёс", "Тверь", "", "", "Взрослые"},
                                                 {"3", "Кот", "Москва", "Иванов", "Петров", "???"}}));
}

TEST(EntryRows, TourAndGroupRowsStandInTheirOrder) {
    auto game = TeamsGame({}, {12, 3});
    game->SetTourName(1, Ansi("Финал"));
    AddGroups(*game, {"А", "Б"});
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(InUtf8(TourRowTexts(*game)), (Rows{{"1", "12", "Тур 1"}, {"2", "3", "Финал"}}));
    EXPECT_EQ(InUtf8(GroupRowTexts(*game)), (Rows{{"1", "А"}, {"2", "Б"}}));
    EXPECT_TRUE(TourRowTexts(TVemoData()).empty());
}

TEST(EntryRows, EnterMovesAlongTheRowThenToTheNextName) {
    struct Case {
        GridCell stored;
        bool groups;
        int lastRow;
        std::optional<GridCell> next;
    };
    const Case cases[] = {
        {{kTeamNameColumn, 2}, false, 5, GridCell{kTeamTownColumn, 2}},
        {{kTeamTownColumn, 2}, false, 5, GridCell{kTeamCaptainColumn, 2}},
        {{kTeamCaptainColumn, 2}, true, 5, GridCell{kTeamCoachColumn, 2}},
        {{kTeamCoachColumn, 2}, true, 5, GridCell{kTeamGroupColumn, 2}},
        {{kTeamCoachColumn, 2}, false, 5, GridCell{kTeamNameColumn, 3}},
        {{kTeamCoachColumn, 4}, false, 5, GridCell{kTeamNameColumn, 5}},  // the empty row counts
        {{kTeamCoachColumn, 5}, false, 5, std::nullopt},
        {{kTeamGroupColumn, 2}, true, 5, GridCell{kTeamNameColumn, 3}},
        {{kTeamGroupColumn, 5}, true, 5, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored.column << "," << c.stored.row << " groups " << c.groups);
        EXPECT_EQ(TeamCellAfterEnter(c.stored, c.groups, c.lastRow), c.next);
    }
}
