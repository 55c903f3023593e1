// Groups: membership by name, deletion and the current group.
#include "support/GameBuilder.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVemoData> GameWithGroups(const std::vector<std::string>& groupNames, const std::vector<int>& groupOf) {
    auto game = MakeGame({2}, std::vector<std::string>(groupOf.size(), "--"));
    for (const std::string& name : groupNames) {
        const TGroupData g{name};
        game->AddGroup(&g);
    }
    for (std::size_t i = 0; i < groupOf.size(); ++i)
        if (groupOf[i] > 0) game->TeamByIndex(static_cast<int>(i))->SetGroup(game->GroupByIndex(groupOf[i] - 1));
    return game;
}

std::vector<std::string> NamesInView(const TVemoData& game) {
    std::vector<std::string> names;
    for (int i = 0; i < game.ActiveTeamCount(); ++i) names.push_back(game.ActiveTeam(i)->Name);
    return names;
}

}  // namespace

TEST(Groups, MembershipIsByNameExceptForTheTeamCount) {
    auto game = GameWithGroups({"A", "B", "A"}, {1, 2, 3, 0});
    ASSERT_TRUE(game->SetCurrentGroup(3));
    EXPECT_EQ(NamesInView(*game), (std::vector<std::string>{"T1", "T3"}));
    EXPECT_EQ(game->GroupTeamCount(game->GroupByIndex(0)), 1);
    EXPECT_EQ(game->GroupTeamCount(game->GroupByIndex(2)), 1);
    EXPECT_EQ(game->GroupTeamCount(nullptr), 1);
}

TEST(Groups, DeletingAGroupFreesItsTeams) {
    auto game = GameWithGroups({"A", "B"}, {1, 2, 1});
    ASSERT_TRUE(game->DeleteGroup(0));
    EXPECT_EQ(game->GroupCount(), 1);
    EXPECT_EQ(game->TeamByIndex(0)->Group(), nullptr);
    EXPECT_EQ(game->TeamByIndex(1)->Group()->Name, "B");
    EXPECT_FALSE(game->DeleteGroup(1));
    EXPECT_FALSE(game->AddGroup(nullptr));
}

TEST(Groups, DeletingWhileTheLastGroupIsInViewShowsAllTeams) {
    auto game = GameWithGroups({"A", "B"}, {1, 2, 1});
    game->SetCurrentGroup(2);
    game->DeleteGroup(0);
    EXPECT_EQ(game->CurrentGroup(), 0);
    EXPECT_EQ(game->ActiveTeamCount(), 3);
}

TEST(Groups, TheCurrentNumberNamesTheNextGroupAfterAnEarlierOneGoes) {
    auto game = GameWithGroups({"A", "B", "C"}, {1, 2, 3, 3});
    game->SetCurrentGroup(2);
    game->DeleteGroup(0);
    EXPECT_EQ(game->CurrentGroup(), 2);
    EXPECT_EQ(NamesInView(*game), (std::vector<std::string>{"T3", "T4"}));
}

TEST(Groups, CurrentGroupOutOfRangeIsRefused) {
    auto game = GameWithGroups({"A"}, {1, 0});
    EXPECT_FALSE(game->SetCurrentGroup(2));
    EXPECT_EQ(game->CurrentGroup(), 0);
    EXPECT_TRUE(game->SetCurrentGroup(1));
    EXPECT_EQ(NamesInView(*game), (std::vector<std::string>{"T1"}));
}

TEST(Groups, AGroupWithoutTeamsShowsNoTeam) {
    TVemoData game;
    const TGroupData g{"Empty"};
    game.AddGroup(&g);
    ASSERT_TRUE(game.SetCurrentGroup(1));
    EXPECT_EQ(game.ActiveTeamCount(), 0);
    auto team = std::make_unique<TTeamData>();
    game.AddTeam(std::move(team));
    EXPECT_EQ(game.ActiveTeamCount(), 0);
    game.TeamByIndex(0)->SetGroup(game.GroupByIndex(0));
    game.UpdateGroupTeams();
    EXPECT_EQ(game.ActiveTeamCount(), 1);
    game.DeleteTeam(0);
    EXPECT_EQ(game.ActiveTeamCount(), 0);
}
