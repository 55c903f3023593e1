#include "entry/RegistrationCheck.h"

#include "EntryGames.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

RegistrationHeader Header(int questions, const char* date = "05.03.07") {
    return {questions, Ansi("Кубок"), Ansi("Ведущий"), date};
}

}  // namespace

TEST(RegistrationCheck, ChecksInTheirOrderWithTheFaultsTeams) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<TVemoData>()> game;
        RegistrationHeader header;
        RegistrationFault fault;
        int team;
        int otherTeam;
    };
    const auto twoTeams = [] { return TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}}); };
    const std::vector<Case> cases = {
        {"no questions", [] { return TeamsGame({}); }, Header(0), RegistrationFault::NoQuestions, 0, 0},
        {"no questions before a bad date", twoTeams, Header(0, "1.1.07"), RegistrationFault::NoQuestions, 0, 0},
        {"an empty new game", [] { return TeamsGame({}); }, Header(12), RegistrationFault::None, 0, 0},
        {"29.02.03 is a date", twoTeams, Header(12, "29.02.03"), RegistrationFault::None, 0, 0},
        {"31.04.07", twoTeams, Header(12, "31.04.07"), RegistrationFault::DateValue, 0, 0},
        {"13th month", twoTeams, Header(12, "01.13.07"), RegistrationFault::DateValue, 0, 0},
        {"1.02.2007", twoTeams, Header(12, "1.02.2007"), RegistrationFault::DateFormat, 0, 0},
        {"01/02/07", twoTeams, Header(12, "01/02/07"), RegistrationFault::DateFormat, 0, 0},
        {"empty date", twoTeams, Header(12, ""), RegistrationFault::DateFormat, 0, 0},
        {"bad date before a nameless team", [] { return TeamsGame({{"", ""}}); }, Header(12, "32.01.07"),
         RegistrationFault::DateValue, 0, 0},
        {"team 2 without name", [] { return TeamsGame({{"Кот", "Москва"}, {"", "Тверь"}}); }, Header(12),
         RegistrationFault::NoTeamName, 2, 0},
        {"blanks are no name", [] { return TeamsGame({{"Кот", "Москва"}, {"   ", "Тверь"}}); }, Header(12),
         RegistrationFault::NoTeamName, 2, 0},
        {"team 1 without town", [] { return TeamsGame({{"Кот", ""}, {"", ""}}); }, Header(12),
         RegistrationFault::NoTeamTown, 1, 0},
        {"nameless team before a pair", [] { return TeamsGame({{"Кот", "Москва"}, {"кот", "москва"}, {"", "Орёл"}}); },
         Header(12), RegistrationFault::NoTeamName, 3, 0},
        {"Кот/Москва and кот/МОСКВА", [] { return TeamsGame({{"Кот", "Москва"}, {"кот", "МОСКВА"}}); }, Header(12),
         RegistrationFault::SameNameAndTown, 1, 2},
        {"the same once stripped", [] { return TeamsGame({{"Кот", "Москва"}, {" Кот ", "Москва  "}}); }, Header(12),
         RegistrationFault::SameNameAndTown, 1, 2},
        {"Кот/Москва and Кот/Тверь", [] { return TeamsGame({{"Кот", "Москва"}, {"Кот", "Тверь"}}); }, Header(12),
         RegistrationFault::None, 0, 0},
        {"a team without group",
         [] {
             auto game = TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}, {"Ёж", "Орёл"}});
             AddGroups(*game, {"А"});
             JoinGroup(*game, 1, 0);
             return game;
         },
         Header(12), RegistrationFault::NoGroup, 2, 0},
        {"a pair before a team without group",
         [] {
             auto game = TeamsGame({{"Кот", "Москва"}, {"кот", "москва"}});
             AddGroups(*game, {"А"});
             return game;
         },
         Header(12), RegistrationFault::SameNameAndTown, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = c.game();
        const RegistrationCheck check = CheckRegistration(*game, c.header);
        EXPECT_EQ(check.fault, c.fault);
        EXPECT_EQ(check.team, c.team);
        EXPECT_EQ(check.otherTeam, c.otherTeam);
    }
}

TEST(RegistrationCheck, TheQuestionCountGoesIntoTheGameBeforeTheDateIsChecked) {
    struct Case {
        const char* what;
        std::vector<int> tours;
        int questions;
        std::vector<int> after;
    };
    const std::vector<Case> cases = {
        {"no tours: a first tour", {}, 12, {12}},
        {"one tour is resized", {10}, 36, {36}},
        {"several tours keep their counts", {5, 5}, 7, {5, 5}},
        {"no questions change nothing", {10}, 0, {10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = TeamsGame({{"Кот", "Москва"}}, c.tours);
        CheckRegistration(*game, Header(c.questions, "1.02.2007"));
        std::vector<int> after;
        for (int i = 0; i < game->TourCount(); ++i) after.push_back(game->TourQuestCount(i));
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(game->TeamByNumber(1)->MarkCount(), game->QuestionCount());
    }
    auto game = TeamsGame({});
    CheckRegistration(*game, Header(12));
    EXPECT_EQ(Utf8(game->TourName(0)), "Кубок");
}

TEST(RegistrationCheck, TeamTextsAreStrippedUpToTheFailingTeam) {
    auto game = TeamsGame({{"  Кот  ", " Москва", "\tИванов ", "Петров  "}, {"", "Тверь "}, {" Ёж ", " Орёл "}});
    const RegistrationCheck check = CheckRegistration(*game, Header(12));
    ASSERT_EQ(check.fault, RegistrationFault::NoTeamName);
    const TTeamData& first = *game->TeamByNumber(1);
    EXPECT_EQ(Utf8(first.Name), "Кот");
    EXPECT_EQ(Utf8(first.Town), "Москва");
    EXPECT_EQ(Utf8(first.Captain), "\tИванов");  // only blanks go
    EXPECT_EQ(Utf8(first.Trainer), "Петров");
    EXPECT_EQ(Utf8(game->TeamByNumber(2)->Town), "Тверь");
    EXPECT_EQ(Utf8(game->TeamByNumber(3)->Name), " Ёж ");  // after the failing team
}

TEST(RegistrationCheck, DatesTakeTheYearFromTwoDigits) {
    struct Case {
        const char* text;
        TGameDate date;
    };
    const Case cases[] = {
        {"01.01.50", {2050, 1, 1}},
        {"01.01.51", {1951, 1, 1}},
        {"29.02.03", {2003, 2, 29}},
        {"05.03.07", {2007, 3, 5}},
    };
    for (const Case& c : cases) {
        auto game = TeamsGame({});
        const RegistrationCheck check = CheckRegistration(*game, Header(1, c.text));
        ASSERT_EQ(check.fault, RegistrationFault::None) << c.text;
        EXPECT_EQ(check.date, c.date) << c.text;
    }
}

TEST(RegistrationCheck, FaultsPutTheUserOnTheTeamsCell) {
    struct Case {
        RegistrationFault fault;
        std::optional<GridCell> cell;
    };
    const Case cases[] = {
        {RegistrationFault::NoQuestions, std::nullopt},
        {RegistrationFault::DateFormat, std::nullopt},
        {RegistrationFault::DateValue, std::nullopt},
        {RegistrationFault::NoTeamName, GridCell{kTeamNameColumn, 4}},
        {RegistrationFault::NoTeamTown, GridCell{kTeamTownColumn, 4}},
        {RegistrationFault::SameNameAndTown, GridCell{kTeamNameColumn, 4}},
        {RegistrationFault::NoGroup, GridCell{kTeamGroupColumn, 4}},
    };
    for (const Case& c : cases) {
        RegistrationCheck check;
        check.fault = c.fault;
        check.team = 4;
        check.otherTeam = 6;
        EXPECT_EQ(FaultCell(check), c.cell) << static_cast<int>(c.fault);
    }
}

TEST(RegistrationCheck, TheCommitTakesNameAndPresenterAsTyped) {
    auto game = TeamsGame({{"Кот", "Москва"}}, {10});
    const RegistrationHeader header{10, Ansi("  Кубок города "), Ansi(" Иванов"), "05.03.07"};
    CommitRegistration(*game, header, {2007, 3, 5});
    EXPECT_EQ(Utf8(game->GameName()), "  Кубок города ");
    EXPECT_EQ(Utf8(game->Presenter()), " Иванов");
    EXPECT_EQ(game->GameDate(), (TGameDate{2007, 3, 5}));
}
