#include "entry/NameChecks.h"
#include "entry/QuestionLimit.h"

#include "EntryGames.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVemoData> ToursNamed(const std::vector<std::string>& names) {
    auto game = std::make_unique<TVemoData>();
    for (const std::string& name : names) game->AddTour(1, Ansi(name));
    return game;
}

std::unique_ptr<TVemoData> GroupsNamed(const std::vector<std::string>& names) {
    auto game = std::make_unique<TVemoData>();
    AddGroups(*game, names);
    return game;
}

}  // namespace

TEST(NameChecks, TheFirstPairOfEqualNamesLetterCaseAside) {
    struct Case {
        std::vector<std::string> names;
        std::optional<NamePair> pair;
    };
    const std::vector<Case> cases = {
        {{}, std::nullopt},
        {{"Финал"}, std::nullopt},
        {{"Финал", "ФИНАЛ"}, NamePair{1, 2}},
        {{"Юниоры", "ЮНИОРЫ"}, NamePair{1, 2}},
        {{"ёлка", "ЁЛКА"}, NamePair{1, 2}},
        {{"", ""}, NamePair{1, 2}},
        {{"A", "B", "C"}, std::nullopt},
        {{"A", "B", "b", "a"}, NamePair{1, 4}},  // the lower first number wins
        {{"A", "B", "a", "b"}, NamePair{1, 3}},
        {{"X", "B", "b", "x", "b"}, NamePair{1, 4}},
        {{"X", "B", "Y", "b", "b"}, NamePair{2, 4}},
        {{"Тур", "Тур "}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.names));
        EXPECT_EQ(FirstSameTourNames(*ToursNamed(c.names)), c.pair);
        EXPECT_EQ(FirstSameGroupNames(*GroupsNamed(c.names)), c.pair);
    }
}

TEST(NameChecks, TeamsAreTheSameWithBothNameAndTownEqualByNumber) {
    struct Case {
        const char* what;
        std::vector<TeamTexts> teams;
        std::optional<NamePair> pair;
    };
    const std::vector<Case> cases = {
        {"Кот/Москва and кот/МОСКВА", {{"Кот", "Москва"}, {"кот", "МОСКВА"}}, NamePair{1, 2}},
        {"Кот/Москва and Кот/Тверь", {{"Кот", "Москва"}, {"Кот", "Тверь"}}, std::nullopt},
        {"name and town swapped", {{"Кот", "Москва"}, {"Москва", "Кот"}}, std::nullopt},
        {"captains differ", {{"Кот", "Москва", "А"}, {"Кот", "Москва", "Б"}}, NamePair{1, 2}},
        {"the first team's pair first",
         {{"Пёс", "Тверь"}, {"Кот", "Москва"}, {"КОТ", "москва"}, {"пёс", "тверь"}},
         NamePair{1, 4}},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstSameTeams(*TeamsGame(c.teams)), c.pair) << c.what;
}

TEST(NameChecks, TeamPairsAreNamedByTheirNumbers) {
    auto game = TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}, {"кот", "москва"}});
    game->SwapTeamNumbers(1, 2);
    EXPECT_EQ(FirstSameTeams(*game), (NamePair{2, 3}));
}

TEST(QuestionLimit, AGameHoldsAtMost65535Questions) {
    auto game = TeamsGame({{"Кот", "Москва"}}, {65000, 500});
    struct Case {
        int tour;
        int64_t count;
        bool fits;
    };
    const Case cases[] = {
        {1, 535, true}, {1, 536, false}, {0, 65035, true}, {0, 65036, false},
        {2, 35, true},  {2, 36, false},  {1, -1, false},   {2, int64_t{1} << 40, false},
    };
    for (const Case& c : cases) EXPECT_EQ(FitsQuestionLimit(*game, c.tour, c.count), c.fits) << c.tour << " " << c.count;
}
