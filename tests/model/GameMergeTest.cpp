// Joining another hall's game: the three checks in their order and the
// joined teams, numbers, groups, marks and header.
#include "model/GameMerge.h"

#include "base/Errors.h"
#include "base/TransCodes.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"

#include <gtest/gtest.h>

namespace {

using TransCodes::Utf8ToAnsi;

void Rename(TVemoData& game, int number, const char* name, const char* town) {
    TTeamData* team = game.TeamByNumber(number);
    team->Name = Utf8ToAnsi(name);
    team->Town = Utf8ToAnsi(town);
}

TGroupData* AddGroup(TVemoData& game, const char* name) {
    const TGroupData group{name};
    game.AddGroup(&group);
    return game.GroupByIndex(game.GroupCount() - 1);
}

TEST(GameMergeTest, ChecksInTheirOrder) {
    const struct {
        const char* what;
        std::vector<int> openTours, otherTours;
        const char* otherName;
        const char* otherTown;
        MergeRefusal refusal;
    } cases[] = {
        {"another total", {10, 10}, {21}, "Б", "Москва", MergeRefusal::QuestionCount},
        {"another total beats the tours and the teams", {10, 10}, {5, 5, 5}, "Кот", "Москва", MergeRefusal::QuestionCount},
        {"the same total in other tours", {10, 10}, {5, 15}, "Кот", "Москва", MergeRefusal::Tours},
        {"more tours", {10, 10}, {10, 5, 5}, "Б", "Москва", MergeRefusal::Tours},
        {"one of the open game's teams", {10, 10}, {10, 10}, "Кот", "Москва", MergeRefusal::SameTeams},
        {"in other letter case", {10, 10}, {10, 10}, "кОТ", "МОСКВА", MergeRefusal::SameTeams},
        {"the same name from another town", {10, 10}, {10, 10}, "Кот", "Тверь", MergeRefusal::None},
        {"another team", {10, 10}, {10, 10}, "Пёс", "Москва", MergeRefusal::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto open = MakeGame(c.openTours, {"+", "-"});
        Rename(*open, 2, "Кот", "Москва");
        auto other = MakeGame(c.otherTours, {"-"});
        Rename(*other, 1, c.otherName, c.otherTown);
        const std::string before = FullGameDump(*open);
        EXPECT_EQ(CheckMerge(*open, *other), c.refusal);
        EXPECT_EQ(FullGameDump(*open), before);
    }
}

TEST(GameMergeTest, EveryTeamOfTheOtherGameIsChecked) {
    auto open = MakeGame({4}, {"----"});
    auto other = MakeGame({4}, {"----", "----"});
    other->TeamByNumber(2)->Name = "T1";
    other->TeamByNumber(1)->SetGroup(AddGroup(*other, "A"));
    other->SetCurrentGroup(1);  // the other file was saved with group A in view
    EXPECT_EQ(CheckMerge(*open, *other), MergeRefusal::SameTeams);
}

TEST(GameMergeTest, OnlyTheOpenGamesTeamsInViewAreChecked) {
    auto open = MakeGame({4}, {"----", "----"});
    open->TeamByNumber(2)->SetGroup(AddGroup(*open, "A"));
    open->SetCurrentGroup(1);
    auto other = MakeGame({4}, {"----"});  // its T1 is the open game's T1, outside group A
    EXPECT_EQ(CheckMerge(*open, *other), MergeRefusal::None);
    open->SetCurrentGroup(0);
    EXPECT_EQ(CheckMerge(*open, *other), MergeRefusal::SameTeams);
}

TEST(GameMergeTest, TeamsJoinAfterTheHighestNumberWithAllTheirMarks) {
    auto open = MakeGame({3, 2}, {"+++++", "-----", "+-+-+"});
    auto other = MakeGame({3, 2}, {"+---+", "-+-+-"});
    Rename(*other, 1, "Б1", "Тверь");
    Rename(*other, 2, "Б2", "Тверь");
    other->TeamByNumber(2)->ScoreDeposit = 4;
    other->SetCurrentTour(2);  // marks go by absolute question, whatever tour is in view
    open->SetCurrentTour(1);
    MergeGame(*open, *other);

    ASSERT_EQ(open->TeamCount(), 5);
    const struct {
        int number;
        const char* name;
        const char* marks;
    } expected[] = {{1, "T1", "+++++"}, {3, "T3", "+-+-+"}, {4, "Б1", "+---+"}, {5, "Б2", "-+-+-"}};
    for (const auto& e : expected) {
        const TTeamData* team = open->TeamByNumber(e.number);
        ASSERT_NE(team, nullptr) << e.number;
        EXPECT_EQ(team->Name, Utf8ToAnsi(e.name));
        EXPECT_EQ(MarksText(*team), e.marks);
        EXPECT_EQ(team->Owner(), open.get());
    }
    EXPECT_EQ(open->TeamByIndex(4)->Number, 5);
    EXPECT_EQ(open->TeamByNumber(5)->ScoreDeposit, 4);
    EXPECT_EQ(open->TeamByNumber(5)->Town, Utf8ToAnsi("Тверь"));
    // The scores of the tour in view take the joined teams in.
    EXPECT_EQ(open->TeamByNumber(4)->Score, 1);
}

TEST(GameMergeTest, GroupsFollowTheirNames) {
    auto open = MakeGame({2}, {"--"});
    open->TeamByNumber(1)->SetGroup(AddGroup(*open, "B"));
    auto other = MakeGame({2}, {"--", "--", "--"});
    for (int n = 1; n <= 3; ++n) other->TeamByNumber(n)->Name = "O" + std::to_string(n);
    other->TeamByNumber(1)->SetGroup(AddGroup(*other, "C"));
    other->TeamByNumber(2)->SetGroup(AddGroup(*other, "B"));
    MergeGame(*open, *other);

    ASSERT_EQ(open->GroupCount(), 2);
    EXPECT_EQ(open->GroupByIndex(0)->Name, "B");
    EXPECT_EQ(open->GroupByIndex(1)->Name, "C");
    EXPECT_EQ(open->TeamByNumber(2)->Group(), open->GroupByIndex(1));
    EXPECT_EQ(open->TeamByNumber(3)->Group(), open->GroupByIndex(0));
    EXPECT_EQ(open->TeamByNumber(4)->Group(), nullptr);
    open->SetCurrentGroup(1);
    EXPECT_EQ(open->ActiveTeamCount(), 2);
}

TEST(GameMergeTest, HeaderJoinsDifferentTexts) {
    const struct {
        const char *openName, *otherName, *joinedName;
        const char *openPresenter, *otherPresenter, *joinedPresenter;
    } cases[] = {
        {"A", "B", "A / B", "P", "P", "P"},
        {"Кубок", "Кубок", "Кубок", "Иванов", "Петров", "Иванов / Петров"},
        {"A", "", "A / ", "", "", ""},
    };
    for (const auto& c : cases) {
        auto open = MakeGame({1}, {"-"});
        open->SetGameName(Utf8ToAnsi(c.openName));
        open->SetPresenter(Utf8ToAnsi(c.openPresenter));
        auto other = MakeGame({1}, {});
        other->SetGameName(Utf8ToAnsi(c.otherName));
        other->SetPresenter(Utf8ToAnsi(c.otherPresenter));
        MergeGame(*open, *other);
        EXPECT_EQ(open->GameName(), Utf8ToAnsi(c.joinedName));
        EXPECT_EQ(open->Presenter(), Utf8ToAnsi(c.joinedPresenter));
    }
}

TEST(GameMergeTest, TooManyTeamsChangeNothing) {
    auto open = MakeGame({1}, {"+"});
    std::vector<std::unique_ptr<TTeamData>> teams;
    for (int i = 0; i < TVemoData::kMaxCount; ++i) teams.push_back(std::make_unique<TTeamData>());
    const std::string before = FullGameDump(*open);
    EXPECT_THROW(open->AddTeams(std::move(teams)), ERangeError);
    EXPECT_EQ(FullGameDump(*open), before);
}

}  // namespace
