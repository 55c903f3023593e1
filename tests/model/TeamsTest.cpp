// Teams and the two views: numbering, lookup, window-relative marks, copies.
#include "base/Errors.h"
#include "support/GameBuilder.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Numbers(const TVemoData& game) {
    std::vector<int> numbers;
    for (int i = 0; i < game.TeamCount(); ++i) numbers.push_back(game.TeamByIndex(i)->Number);
    return numbers;
}

std::vector<std::string> NamesInView(const TVemoData& game) {
    std::vector<std::string> names;
    for (int i = 0; i < game.ActiveTeamCount(); ++i) names.push_back(game.ActiveTeam(i)->Name);
    return names;
}

void PutInGroups(TVemoData& game, const std::vector<int>& groupOfTeam) {
    for (int g = 0; g < 2; ++g) {
        const TGroupData group{"G" + std::to_string(g + 1)};
        game.AddGroup(&group);
    }
    for (std::size_t i = 0; i < groupOfTeam.size(); ++i)
        if (groupOfTeam[i] > 0) game.TeamByIndex(static_cast<int>(i))->SetGroup(game.GroupByIndex(groupOfTeam[i] - 1));
    game.UpdateGroupTeams();
}

}  // namespace

TEST(Teams, NumbersFollowRegistrationAndCloseGapsOnDelete) {
    auto game = MakeGame({3}, {"", "", "", "", ""});
    EXPECT_EQ(Numbers(*game), (std::vector<int>{1, 2, 3, 4, 5}));
    ASSERT_TRUE(game->DeleteTeam(game->TeamByNumber(3)));
    EXPECT_EQ(Numbers(*game), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(game->TeamByIndex(2)->Name, "T4");
    auto team = std::make_unique<TTeamData>();
    EXPECT_EQ(game->AddTeam(std::move(team)), 4);
    EXPECT_EQ(game->TeamByIndex(4)->Number, 5);
    EXPECT_EQ(game->TeamByIndex(4)->MarkCount(), 3);
}

TEST(Teams, LookupsRefuseNumbersOutsideTheGame) {
    auto game = MakeGame({3}, {"", "", ""});
    EXPECT_EQ(game->TeamByNumber(0), nullptr);
    EXPECT_EQ(game->TeamByNumber(4), nullptr);
    EXPECT_EQ(game->TeamByNumber(3)->Name, "T3");
    EXPECT_EQ(game->TeamByIndex(-1), nullptr);
    EXPECT_EQ(game->TeamByIndex(3), nullptr);
    EXPECT_EQ(game->ActiveTeam(3), nullptr);
    EXPECT_EQ(game->QuestSign(3, 0), 0);
    EXPECT_FALSE(game->DeleteTeam(3));
    EXPECT_FALSE(game->SwapTeamNumbers(1, 4));
    EXPECT_EQ(game->TeamCount(), 3);
}

TEST(Teams, SwappingNumbersMovesOnlyTheTwo) {
    auto game = MakeGame({3}, {"", "", "", ""});
    ASSERT_TRUE(game->SwapTeamNumbers(1, 4));
    EXPECT_EQ(Numbers(*game), (std::vector<int>{4, 2, 3, 1}));
    EXPECT_EQ(game->TeamByNumber(1)->Name, "T4");
}

TEST(Teams, NextByNumberWalksTheViewInNumberOrder) {
    auto game = MakeGame({3}, {"", "", "", ""});
    game->SwapTeamNumbers(1, 4);  // registration order now holds numbers 4 2 3 1
    std::vector<std::string> walk;
    for (TTeamData* t = game->NextTeamByNumber(0); t; t = game->NextTeamByNumber(t->Number)) walk.push_back(t->Name);
    EXPECT_EQ(walk, (std::vector<std::string>{"T4", "T2", "T3", "T1"}));
    PutInGroups(*game, {1, 2, 1, 2});
    game->SetCurrentGroup(2);
    EXPECT_EQ(game->NextTeamByNumber(0)->Name, "T4");
    EXPECT_EQ(game->NextTeamByNumber(1)->Name, "T2");
    EXPECT_EQ(game->NextTeamByNumber(2), nullptr);
}

TEST(Teams, GroupViewListsItsTeamsInRegistrationOrder) {
    auto game = MakeGame({2, 2}, {"----++", "--+---", "---+--"});
    PutInGroups(*game, {2, 1, 2});
    ASSERT_TRUE(game->SetCurrentGroup(2));
    EXPECT_EQ(NamesInView(*game), (std::vector<std::string>{"T1", "T3"}));
    EXPECT_EQ(game->ActiveTeamByNumber(2), nullptr);
    EXPECT_EQ(game->ActiveTeamByNumber(3)->Name, "T3");
    game->SetCurrentTour(2);
    // The window still reads the current tour: T3's mark on question 4 is window question 1.
    EXPECT_EQ(game->QuestSign(1, 1), '+');
    EXPECT_EQ(game->QuestSign(0, 0), '-');
    EXPECT_EQ(game->QuestSign(1, 0), '-');
}

TEST(Teams, DeletingByPositionRemovesTheTeamShownThere) {
    auto game = MakeGame({3}, {"", "", "", ""});
    PutInGroups(*game, {1, 2, 1, 2});
    game->SetCurrentGroup(2);
    ASSERT_TRUE(game->DeleteTeam(1));  // second team in view: T4
    EXPECT_EQ(NamesInView(*game), (std::vector<std::string>{"T2"}));
    EXPECT_EQ(game->TeamCount(), 3);
    EXPECT_EQ(game->TeamByIndex(2)->Name, "T3");
    EXPECT_FALSE(game->DeleteTeam(1));
}

TEST(Teams, MarksAreWindowRelativeAndBounded) {
    auto game = MakeGame({2, 3}, {"-----"});
    TTeamData& team = *game->TeamByIndex(0);
    game->SetCurrentTour(2);
    EXPECT_TRUE(team.SetMark(0, 1));
    EXPECT_EQ(team.RawMark(2), 1);
    EXPECT_TRUE(team.SetMark(2, 1));
    EXPECT_FALSE(team.SetMark(3, 1));
    EXPECT_FALSE(team.SetRawMark(5, 1));
    EXPECT_FALSE(team.SetRawMark(-1, 1));
    EXPECT_EQ(team.Mark(3), 0);
    EXPECT_EQ(MarksText(team), "--+-+");

    TTeamData orphan;
    EXPECT_FALSE(orphan.SetMark(0, 1));
    EXPECT_EQ(orphan.Mark(0), 0);
}

TEST(Teams, CopyReadsTheSameTourAndKeepsGroupsByName) {
    auto game = MakeGame({2, 2, 3}, {"++-++--", "----+++", "+++++++"});
    PutInGroups(*game, {2, 0, 2});
    game->TeamByIndex(1)->ScoreDeposit = 4;
    game->SetCurrentTour(3);
    game->SetCurrentGroup(2);
    game->SetGameName("Name");
    auto copy = TVemoData::CreateCopy(*game);
    EXPECT_EQ(copy->CurrentTour(), 3);
    EXPECT_EQ(copy->TourStart(), 4);
    EXPECT_EQ(copy->LastQuestion(), 3);
    EXPECT_EQ(copy->GameName(), "Name");
    ASSERT_EQ(copy->ActiveTeamCount(), 2);
    for (int i = 0; i < 2; ++i)
        for (int q = 0; q < 3; ++q) EXPECT_EQ(copy->QuestSign(i, q), game->QuestSign(i, q));
    EXPECT_EQ(copy->GroupCount(), 2);
    EXPECT_EQ(copy->TeamByIndex(0)->Group(), copy->GroupByIndex(1));
    EXPECT_EQ(copy->TeamByIndex(1)->Group(), nullptr);
    EXPECT_EQ(copy->TeamByIndex(1)->ScoreDeposit, 4);
    // The copy is independent of its source.
    copy->TeamByIndex(0)->SetRawMark(0, 0);
    EXPECT_EQ(game->TeamByIndex(0)->RawMark(0), 1);
}

TEST(Teams, CopiedTeamJoinsOrCreatesTheGroupOfItsName) {
    auto source = MakeGame({2}, {"+-"});
    const TGroupData b{"B"};
    source->AddGroup(&b);
    source->TeamByIndex(0)->SetGroup(source->GroupByIndex(0));
    auto target = MakeGame({3}, {});
    auto copy = TTeamData::CreateCopy(*source->TeamByIndex(0), *target);
    EXPECT_EQ(copy->MarkCount(), 3);
    EXPECT_EQ(MarksText(*copy), "+--");
    ASSERT_EQ(target->GroupCount(), 1);
    EXPECT_EQ(copy->Group(), target->GroupByIndex(0));
    auto second = TTeamData::CreateCopy(*source->TeamByIndex(0), *target);
    EXPECT_EQ(target->GroupCount(), 1);
    EXPECT_EQ(second->Group(), target->GroupByIndex(0));
}

TEST(Teams, CountsAreSixteenBit) {
    TVemoData game;
    EXPECT_TRUE(game.AddTour(65535, "all"));
    EXPECT_THROW(game.AddTour(1, "more"), ERangeError);
    EXPECT_THROW(game.SetTourQuestCount(0, 65536), ERangeError);
    EXPECT_EQ(game.QuestionCount(), 65535);
}
