// The question statistics of real games: histogram counts, the questions
// every team and no team took, and the penalty questions between the two
// thresholds.
#include "stats/QuestionStats.h"

#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

// n teams and n + 1 questions; question j is taken by exactly j teams, so
// every rating of the range occurs once.
std::unique_ptr<TVemoData> Staircase(int teams, bool plusOne) {
    std::vector<std::string> marks(static_cast<std::size_t>(teams));
    for (int t = 0; t < teams; ++t)
        for (int j = 0; j <= teams; ++j) marks[static_cast<std::size_t>(t)] += t < j ? '+' : '-';
    auto game = MakeGame({teams + 1}, marks);
    game->SetRatingPlusOne(plusOne);
    return game;
}

// The penalty questions by their ratings.
std::vector<int> PenaltyRatings(const QuestionRatings& ratings, int m, int M) {
    const PenaltyInterval interval = PenaltyIntervalOf(ratings.Teams, ratings.PlusOne, m, M);
    std::vector<int> penalty;
    for (int r : ratings.Ratings)
        if (interval.IsPenalty(r)) penalty.push_back(r);
    std::sort(penalty.begin(), penalty.end());
    return penalty;
}

}  // namespace

TEST(QuestionStats, RatingsOfTheViewOverTheTeamsInView) {
    auto game = MakeGame({2, 3}, {"++-+-", "+--++", "-----"});
    game->SetRatingPlusOne(true);
    game->SetCurrentTour(2);
    game->SetLastQuestion(1);  // the statistics show every question of the view all the same
    const QuestionRatings ratings = QuestionRatingsOf(*game);
    EXPECT_EQ(ratings.Ratings, (std::vector<int>{4, 2, 3}));
    EXPECT_EQ(ratings.Teams, 3);
    EXPECT_TRUE(ratings.PlusOne);
}

TEST(QuestionStats, PenaltyQuestionsBetweenTheThresholds) {
    struct Case {
        const char* name;
        int teams;
        bool plusOne;
        int m, M;
        std::vector<int> penalty;  // ratings of the penalty questions
    };
    const std::vector<Case> cases = {
        {"plus one, 10 teams, m = M = 1", 10, true, 1, 1, {1, 2, 10, 11}},
        {"zero type, 10 teams, m = M = 1", 10, false, 1, 1, {0, 1, 9, 10}},
        {"plus one, both 0: only everybody's and nobody's", 10, true, 0, 0, {1, 11}},
        {"zero type, both 0: only everybody's and nobody's", 10, false, 0, 0, {0, 10}},
        {"taken by at most 2, failed by at most 3", 10, true, 2, 3, {1, 2, 3, 4, 9, 10, 11}},
        {"the interval empties: every question", 2, true, 1, 1, {1, 2, 3}},
        {"the thresholds at 5 with 5 teams", 5, false, 5, 5, {0, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QuestionRatings ratings = QuestionRatingsOf(*Staircase(c.teams, c.plusOne));
        EXPECT_EQ(PenaltyRatings(ratings, c.m, c.M), c.penalty);
        EXPECT_EQ(PenaltyQuestionCount(ratings, c.m, c.M), static_cast<int>(c.penalty.size()));
    }
}

TEST(QuestionStats, EveryTeamsAndNobodysQuestions) {
    // Questions taken by all three, by two, by none, by all three.
    for (bool plusOne : {false, true}) {
        SCOPED_TRACE(plusOne);
        auto game = MakeGame({4}, {"++-+", "++-+", "+--+"});
        game->SetRatingPlusOne(plusOne);
        const QuestionRatings ratings = QuestionRatingsOf(*game);
        EXPECT_EQ(ChildQuestionCount(ratings), 2);
        EXPECT_EQ(CoffinQuestionCount(ratings), 1);
        EXPECT_EQ(RatingHistogram(ratings), (std::vector<int>{2, 1, 0, 1}));
    }
}

TEST(QuestionStats, AViewWithoutQuestionsCountsNothing) {
    auto game = MakeGame({}, {"", ""});
    const QuestionRatings ratings = QuestionRatingsOf(*game);
    EXPECT_TRUE(ratings.Ratings.empty());
    EXPECT_EQ(PenaltyQuestionCount(ratings, 1, 1), 0);
    EXPECT_EQ(ChildQuestionCount(ratings), 0);
    EXPECT_EQ(CoffinQuestionCount(ratings), 0);
    EXPECT_EQ(RatingHistogram(ratings), (std::vector<int>{0, 0, 0}));
}
