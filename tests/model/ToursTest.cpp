// Tour operations move every team's marks with the questions.
#include "support/GameBuilder.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Counts(const TVemoData& game) {
    std::vector<int> counts;
    for (int i = 0; i < game.TourCount(); ++i) counts.push_back(game.TourQuestCount(i));
    return counts;
}

std::vector<std::string> AllMarks(const TVemoData& game) {
    std::vector<std::string> marks;
    for (int i = 0; i < game.TeamCount(); ++i) marks.push_back(MarksText(*game.TeamByIndex(i)));
    return marks;
}

}  // namespace

TEST(Tours, UniteMakesOneTourNamedLikeTheFirst) {
    auto game = MakeGame({5, 5, 5}, {"+----+----+----"});
    game->SetTourName(0, "First");
    ASSERT_TRUE(game->UniteTours(0, 3));
    EXPECT_EQ(Counts(*game), (std::vector<int>{15}));
    EXPECT_EQ(game->TourName(0), "First");
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+----+----+----"}));
    EXPECT_FALSE(game->UniteTours(0, 1));
    EXPECT_FALSE(game->UniteTours(0, 2));
}

TEST(Tours, SplitKeepsMarksAndNamesTheSecondPart) {
    auto game = MakeGame({10}, {"+-+-+-+-+-"});
    game->SetTourName(0, "X");
    ASSERT_TRUE(game->SplitTour(0, 3));
    EXPECT_EQ(Counts(*game), (std::vector<int>{3, 7}));
    EXPECT_EQ(game->TourName(1), "X (2)");
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+-+-+-+-+-"}));
    EXPECT_FALSE(game->SplitTour(0, 3));
    EXPECT_FALSE(game->SplitTour(2, 1));
    EXPECT_FALSE(game->SplitTour(0, -1));
}

TEST(Tours, DeleteMovesLaterMarksUp) {
    auto game = MakeGame({5, 4, 6}, {"+++++----++++++", "-----++++------"});
    ASSERT_TRUE(game->DeleteTour(1));
    EXPECT_EQ(Counts(*game), (std::vector<int>{5, 6}));
    EXPECT_EQ(game->QuestionCount(), 11);
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+++++++++++", "-----------"}));
    EXPECT_FALSE(game->DeleteTour(2));
}

TEST(Tours, GrowingATourAddsEmptyQuestionsAtItsEnd) {
    auto game = MakeGame({5, 5}, {"+++++-+-+-"});
    ASSERT_TRUE(game->SetTourQuestCount(0, 7));
    EXPECT_EQ(game->QuestionCount(), 12);
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+++++---+-+-"}));
    EXPECT_TRUE(game->SetTourQuestCount(0, 7));
    EXPECT_FALSE(game->SetTourQuestCount(0, 0));
    EXPECT_FALSE(game->SetTourQuestCount(2, 3));
}

TEST(Tours, ShrinkingATourDropsItsLastQuestions) {
    auto game = MakeGame({5, 3}, {"+-+-+++-"});
    ASSERT_TRUE(game->SetTourQuestCount(0, 2));
    EXPECT_EQ(Counts(*game), (std::vector<int>{2, 3}));
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+-++-"}));
}

TEST(Tours, ExchangeMovesBlocksOfDifferentSizes) {
    auto game = MakeGame({3, 2}, {"+++--"});
    ASSERT_TRUE(game->ExchangeTours(0, 1));
    EXPECT_EQ(Counts(*game), (std::vector<int>{2, 3}));
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"--+++"}));

    auto wide = MakeGame({2, 1, 3, 2}, {""});
    for (int q = 0; q < 8; ++q) wide->TeamByIndex(0)->SetRawMark(q, static_cast<uint8_t>("AAmBBBzz"[q]));
    wide->SetTourName(0, "a");
    wide->SetTourName(2, "b");
    ASSERT_TRUE(wide->ExchangeTours(2, 0));
    std::string after;
    for (int q = 0; q < 8; ++q) after += static_cast<char>(wide->TeamByIndex(0)->RawMark(q));
    EXPECT_EQ(after, "BBBmAAzz");
    EXPECT_EQ(Counts(*wide), (std::vector<int>{3, 1, 2, 2}));
    EXPECT_EQ(wide->TourName(0), "b");
    EXPECT_EQ(wide->TourName(2), "a");
    EXPECT_TRUE(wide->ExchangeTours(1, 1));
    EXPECT_FALSE(wide->ExchangeTours(0, 4));
}

TEST(Tours, CurrentTourIsClampedAndStartFollows) {
    auto game = MakeGame({2, 3, 4}, {"---------"});
    ASSERT_TRUE(game->SetCurrentTour(3));
    EXPECT_EQ(game->TourStart(), 5);
    EXPECT_EQ(game->LastQuestion(), 4);
    EXPECT_EQ(game->WindowQuestionCount(), 4);
    game->DeleteTour(0);
    EXPECT_EQ(game->CurrentTour(), 2);
    EXPECT_EQ(game->TourStart(), 3);
    game->UniteTours(0, 2);
    EXPECT_EQ(game->CurrentTour(), 1);
    EXPECT_EQ(game->TourStart(), 0);
    EXPECT_FALSE(game->SetCurrentTour(2));
    ASSERT_TRUE(game->SetCurrentTour(0));
    EXPECT_EQ(game->LastQuestion(), 7);
    EXPECT_EQ(game->CurrentTourName(), "Game");
}

TEST(Tours, DeletingTheOnlyTourEmptiesTheGame) {
    for (int teams : {0, 2}) {
        auto game = MakeGame({4}, std::vector<std::string>(static_cast<std::size_t>(teams), "++--"));
        game->SetCurrentTour(1);
        ASSERT_TRUE(game->DeleteTour(0));
        EXPECT_EQ(game->TourCount(), 0);
        EXPECT_EQ(game->QuestionCount(), 0);
        EXPECT_EQ(game->CurrentTour(), 0);
        for (int i = 0; i < teams; ++i) EXPECT_EQ(game->TeamByIndex(i)->MarkCount(), 0);
    }
}

TEST(Tours, ResizingWithAGroupInViewMovesEveryTeamsMarks) {
    auto game = MakeGame({2, 2}, {"+-+-", "-+-+"});
    const TGroupData g{"G"};
    game->AddGroup(&g);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    ASSERT_TRUE(game->SetTourQuestCount(0, 3));
    EXPECT_EQ(AllMarks(*game), (std::vector<std::string>{"+--+-", "-+--+"}));
}

TEST(Tours, SuccessfulOperationsRecountScores) {
    auto game = MakeGame({2, 2}, {"++++"});
    game->SetCurrentTour(0);
    ASSERT_TRUE(game->SetLastQuestion(4));
    EXPECT_EQ(game->TeamByIndex(0)->Score, 4);
    game->DeleteTour(1);
    EXPECT_EQ(game->TeamByIndex(0)->Score, 2);
}
