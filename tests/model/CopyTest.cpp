// A copy of a game for an editing window holds every field of its source:
// the two are compared through the full dump of a game whose every field is
// away from what a new game has.
#include "support/GameBuilder.h"
#include "support/GameDump.h"
#include "support/TempDir.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>
#include <cstdio>

namespace {

// Two tours and two groups, every text and deposit filled, read from a file
// (so the game has a file name), counted with every option on: first as a
// whole, so every team has results, then in the second tour and group with
// fewer questions counted than the tour has; and a mark changed since, as
// with automatic counting off.
std::unique_ptr<TVemoData> EveryFieldSet(const TempDir& dir) {
    auto built = MakeGame({2, 3}, {"++-++", "-+-+-", "+++--", "+--++"});
    for (const char* name : {"G1", "G2"}) {
        const TGroupData group{name};
        built->AddGroup(&group);
    }
    for (int i = 0; i < built->TeamCount(); ++i) {
        TTeamData& team = *built->TeamByIndex(i);
        team.Town = "Town" + std::to_string(i);
        team.Captain = "Captain" + std::to_string(i);
        team.Trainer = "Trainer" + std::to_string(i);
        team.ScoreDeposit = i + 1;
        team.SetGroup(built->GroupByIndex(i < 2 ? 1 : 0));
    }
    built->SetGameName("Name");
    built->SetPresenter("Host");
    built->SetGameDate({2007, 3, 14});
    built->SetTourName(1, "Second");
    EXPECT_TRUE(built->SaveToFile(dir.File("every.qgm")));

    auto game = std::make_unique<TVemoData>();
    EXPECT_TRUE(game->LoadFromFile(dir.File("every.qgm")));
    game->SetCountOptions({.RatingPlusOne = true, .HiRating = true, .SortByRating = true, .DepositScore = true});
    game->CountResult();
    game->SetCurrentTour(2);
    game->SetCurrentGroup(2);
    EXPECT_TRUE(game->SetLastQuestion(2));
    game->CountResult();
    game->ActiveTeam(0)->SetMark(0, game->ActiveTeam(0)->Mark(0) ? 0 : 1);
    return game;
}

}  // namespace

TEST(Copy, HoldsEveryFieldOfItsSource) {
    TempDir dir;
    auto game = EveryFieldSet(dir);
    ASSERT_NE(FullGameDump(*game), FullGameDump(TVemoData{}));
    auto copy = TVemoData::CreateCopy(*game);
    const std::string copied = FullGameDump(*copy);
    EXPECT_EQ(copied, FullGameDump(*game));
    // The copy's scores count the changed mark: counting them again changes nothing.
    copy->GetLastQuestion();
    EXPECT_EQ(FullGameDump(*copy), copied);
}
