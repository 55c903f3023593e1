// The deposits window's working list: taken from the teams in view, bounded,
// and written back only when asked.
#include "entry/DepositList.h"

#include "base/TransCodes.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(DepositListTest, StepsStayWithinWhatTheFileHolds) {
    auto game = MakeGame({3}, {"---", "---"});
    game->TeamByNumber(1)->ScoreDeposit = DepositList::kMaxDeposit - 1;
    DepositList list(*game);
    EXPECT_TRUE(list.Add(0));
    EXPECT_FALSE(list.Add(0));
    EXPECT_EQ(list.Deposit(0), DepositList::kMaxDeposit);
    EXPECT_FALSE(list.Remove(1));
    EXPECT_EQ(list.Deposit(1), 0);
    EXPECT_FALSE(list.Add(2));
    EXPECT_FALSE(list.Remove(-1));
    EXPECT_EQ(game->TeamByNumber(1)->ScoreDeposit, DepositList::kMaxDeposit - 1);
}

TEST(DepositListTest, OnlyWriteBackChangesTheTeams) {
    auto game = MakeGame({3}, {"---", "---"});
    DepositList list(*game);
    list.Add(1);
    list.Add(1);
    EXPECT_EQ(game->TeamByNumber(2)->ScoreDeposit, 0);
    list.WriteBack();
    EXPECT_EQ(game->TeamByNumber(2)->ScoreDeposit, 2);
    EXPECT_EQ(game->TeamByNumber(1)->ScoreDeposit, 0);
}

TEST(DepositListTest, TeamWithTown) {
    TTeamData team;
    team.Name = TransCodes::Utf8ToAnsi("Кот");
    team.Town = TransCodes::Utf8ToAnsi("Москва");
    EXPECT_EQ(TransCodes::AnsiToUtf8(TeamWithTown(team)), "Кот (Москва)");
}

}  // namespace
