// The undo history's record of an edit: every kind of change an edit in
// place can make is taken and put back exactly (the game file's bytes and the
// full dump of the game), and changes of the teams, groups or questions are
// refused so that the history keeps the whole game instead.
#include "model/GameDelta.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::unique_ptr<TVemoData> Sample() {
    auto game = MakeGame({2, 3}, {"+-+--", "--+++", "+++++"});
    const TGroupData group{"G"};
    game->AddGroup(&group);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(0));
    game->TeamByIndex(2)->ScoreDeposit = 2;
    game->SetCountOptions({.RatingPlusOne = true, .HiRating = true, .SortByRating = false, .DepositScore = true});
    game->CountResult();
    return game;
}

// What an undo must bring back: the file and what the file does not hold.
std::string State(const TVemoData& game) { return game.GameFileBytes() + FullGameDump(game); }

struct Edit {
    const char* name;
    std::function<void(TVemoData&)> change;
};

const Edit kInPlaceEdits[] = {
    {"a mark", [](TVemoData& g) { g.TeamByIndex(0)->SetRawMark(1, 1); }},
    {"a mark byte from a file", [](TVemoData& g) { g.TeamByIndex(2)->SetRawMark(4, 7); }},
    {"a whole question", [](TVemoData& g) { for (int i = 0; i < 3; ++i) g.TeamByIndex(i)->SetRawMark(3, 0); }},
    {"a deposit", [](TVemoData& g) { g.TeamByIndex(0)->ScoreDeposit = 5; }},
    {"the texts of a team", [](TVemoData& g) { g.TeamByIndex(1)->Name = "Renamed"; g.TeamByIndex(1)->Trainer = "X"; }},
    {"the numbers", [](TVemoData& g) { g.SwapTeamNumbers(1, 3); }},
    {"the header", [](TVemoData& g) { g.SetGameName("Cup"); g.SetPresenter("Host"); g.SetGameDate({2008, 1, 2}); }},
    {"the tours", [](TVemoData& g) { g.UniteTours(0, 2); }},
    {"the tour and group in view", [](TVemoData& g) { g.SetCurrentTour(2); g.SetCurrentGroup(1); }},
    {"the last question", [](TVemoData& g) { g.SetLastQuestion(3); }},
};

}  // namespace

TEST(GameDelta, UndoAndRedoGiveBackEachSideExactly) {
    for (const Edit& edit : kInPlaceEdits) {
        auto game = Sample();
        const auto recorded = game->Clone();
        const std::string before = State(*game);
        edit.change(*game);
        const std::string after = State(*game);
        ASSERT_NE(before, after) << edit.name;

        const auto delta = GameDelta::Between(*recorded, recorded->Values(), *game);
        ASSERT_TRUE(delta) << edit.name;
        EXPECT_FALSE(delta->Empty()) << edit.name;
        delta->Undo(*game);
        // Results are not part of it: they come with the next count, as after any change.
        game->CountResult();
        auto expected = Sample();
        expected->RestoreValues(recorded->Values());
        expected->CountResult();
        EXPECT_EQ(State(*game), State(*expected)) << edit.name;
        delta->Redo(*game);
        EXPECT_EQ(game->GameFileBytes(), after.substr(0, game->GameFileBytes().size())) << edit.name;
    }
}

TEST(GameDelta, NothingChangedIsEmptyAndResultsDoNotCount) {
    auto game = Sample();
    const auto recorded = game->Clone();
    game->TeamByIndex(0)->Score = 99;
    game->TeamByIndex(1)->SortPos = 7;
    const auto delta = GameDelta::Between(*recorded, game->Values(), *game);
    ASSERT_TRUE(delta);
    EXPECT_TRUE(delta->Empty());
}

TEST(GameDelta, TheCountOptionsAreNoPartOfIt) {
    auto game = Sample();
    const auto recorded = game->Clone();
    game->SetHiRating(false);
    const auto delta = GameDelta::Between(*recorded, recorded->Values(), *game);
    ASSERT_TRUE(delta);
    EXPECT_TRUE(delta->Empty());
}

TEST(GameDelta, ChangesOfTheTeamsGroupsOrQuestionsAreRefused) {
    const Edit structural[] = {
        {"a team added", [](TVemoData& g) { g.AddTeam(std::make_unique<TTeamData>()); }},
        {"a team deleted", [](TVemoData& g) { g.DeleteTeam(0); }},
        {"a question added", [](TVemoData& g) { g.AddTour(1, "T"); }},
        {"a group renamed", [](TVemoData& g) { g.GroupByIndex(0)->Name = "H"; }},
        {"a team's group", [](TVemoData& g) { g.TeamByIndex(0)->SetGroup(g.GroupByIndex(0)); }},
    };
    for (const Edit& edit : structural) {
        auto game = Sample();
        const auto recorded = game->Clone();
        edit.change(*game);
        EXPECT_FALSE(GameDelta::Between(*recorded, recorded->Values(), *game)) << edit.name;
    }
}

TEST(GameDelta, AToggleHoldsAFewBytesInAGameOfAnySize) {
    std::mt19937 random(3);
    RandomGameShape shape;
    shape.teams = 2000;
    shape.tours = {90};
    auto game = MakeRandomGame(random, shape);
    const auto recorded = game->Clone();
    TTeamData& team = *game->TeamByIndex(1500);
    team.SetRawMark(40, team.RawMark(40) ? 0 : 1);
    const auto delta = GameDelta::Between(*recorded, recorded->Values(), *game);
    ASSERT_TRUE(delta);
    EXPECT_LT(delta->Bytes(), 256u);
    EXPECT_GT(HeldBytes(*game), 2000u * 90u);
}

TEST(GameClone, CopiesEverythingWithoutCounting) {
    auto game = Sample();
    game->SetCurrentTour(2);
    game->SetCurrentGroup(1);
    game->TeamByIndex(0)->SetRawMark(0, 0);  // changed since the count: the copy must not recount
    const auto copy = game->Clone();
    EXPECT_EQ(State(*copy), State(*game));
    EXPECT_EQ(copy->TeamByIndex(1)->Group(), copy->GroupByIndex(0));
}

TEST(GameDelta, UndoAndRedoShowTheTourAndGroupTheEditWasMadeIn) {
    auto game = Sample();
    game->SetCurrentTour(2);
    game->SetCurrentGroup(1);
    game->SetLastQuestion(2);
    const auto recorded = game->Clone();
    const TGameValues valuesBefore = game->Values();
    game->ActiveTeam(0)->SetMark(2, 0);
    const auto delta = GameDelta::Between(*recorded, valuesBefore, *game);
    ASSERT_TRUE(delta);
    game->SetCurrentTour(0);
    game->SetCurrentGroup(0);
    delta->Undo(*game);
    EXPECT_EQ(game->CurrentTour(), 2);
    EXPECT_EQ(game->CurrentGroup(), 1);
    EXPECT_EQ(game->LastQuestion(), 2);
    EXPECT_EQ(game->ActiveTeam(0)->Mark(2), 1);
    game->SetCurrentTour(1);
    delta->Redo(*game);
    EXPECT_EQ(game->CurrentTour(), 2);
    EXPECT_EQ(game->ActiveTeam(0)->Mark(2), 0);
}
