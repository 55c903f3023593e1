// The team statistics: the place history counted with the tie-break by
// higher ratings, the rating averages of real games, and their texts.
#include "stats/PlaceHistory.h"
#include "stats/TeamRatings.h"

#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

// Five teams over four questions (zero rating type). At the end A and B
// tie on score and rating; the higher-rating tie-break puts A ahead.
std::unique_ptr<TVemoData> TieBreakGame() {
    return MakeGame({4}, {"++--", "--++", "-+--", "-+-+", "-+++"});
}

std::vector<int> Places(const TVemoData& game) {
    std::vector<int> places;
    for (int i = 0; i < game.ActiveTeamCount(); ++i) places.push_back(game.ActiveTeam(i)->Place);
    return places;
}

}  // namespace

TEST(PlaceHistory, PlacesAfterEveryQuestionWithTheHigherRatingTieBreak) {
    auto game = TieBreakGame();
    game->CountResult();
    ASSERT_FALSE(game->HiRating());
    ASSERT_EQ(Places(*game), (std::vector<int>{2, 2, 5, 4, 1}));

    const PlaceHistory history = PlaceHistory::Build(*game);
    ASSERT_EQ(history.Questions(), 4);
    ASSERT_EQ(history.Teams(), 5);
    const std::vector<std::vector<int>> expected = {
        {1, 1, 1, 2}, {2, 5, 3, 3}, {2, 2, 4, 5}, {2, 2, 4, 4}, {2, 2, 2, 1},
    };
    for (int t = 0; t < 5; ++t) EXPECT_EQ(history.Places(t), expected[static_cast<std::size_t>(t)]) << t;
    EXPECT_EQ(history.After(4, 4), (PlaceRecord{3, 6, 1}));  // ratings 1 + 3 + 2
    EXPECT_EQ(history.After(2, 0), (PlaceRecord{2, 5, 1}));  // ratings 4 + 1
    EXPECT_EQ(history.After(5, 0), PlaceRecord{});
    EXPECT_TRUE(history.Places(5).empty());

    EXPECT_FALSE(game->HiRating());
    EXPECT_EQ(Places(*game), (std::vector<int>{2, 2, 5, 4, 1}));
    EXPECT_EQ(game->LastQuestion(), 4);
}

TEST(PlaceHistory, CoversTheWholeViewWhateverItsLastQuestion) {
    auto game = MakeGame({2, 3}, {"+++-+", "-+-++", "--+--"});
    game->SetCurrentTour(2);
    game->SetLastQuestion(1);
    const PlaceHistory history = PlaceHistory::Build(*game);
    EXPECT_EQ(history.Questions(), 3);
    // Tour 2 is "+-+", "-++", "+--"; its questions are rated 1, 2, 1.
    EXPECT_EQ(history.Places(0), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(history.Places(1), (std::vector<int>{3, 1, 1}));
    EXPECT_EQ(history.Places(2), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(game->LastQuestion(), 1);
}

TEST(PlaceHistory, AGameWithoutQuestionsHasNone) {
    auto game = MakeGame({}, {"", ""});
    const PlaceHistory history = PlaceHistory::Build(*game);
    EXPECT_EQ(history.Questions(), 0);
    EXPECT_TRUE(history.Places(1).empty());
    EXPECT_EQ(history.After(1, 0), PlaceRecord{});
}

TEST(TeamRatings, AveragesOfTheTeamTheAnswersAndTheGame) {
    // Ratings with plus one: 2, 3, 3, 5 (game average 13 / 4). C takes
    // nothing; the 7 taken answers carry 18.
    auto game = MakeGame({4}, {"++--", "+-+-", "----", "+++-"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    const TeamRatings ratings(*game);
    ASSERT_EQ(ratings.Teams(), 4);
    struct Case {
        int team;
        int maxRating;
        double average;
        std::string averageText, difference;
        bool lead;
    };
    const std::vector<Case> cases = {
        {0, 3, 2.5, "2,5", "- 0,0714", false},
        {2, 0, 0.0, "0", "- 2,5714", false},
        {3, 3, 8.0 / 3, "2,6666", "+ 0,0952", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.team);
        const TeamRatingFigures figures = ratings.Figures(c.team);
        EXPECT_EQ(figures.MaxRating, c.maxRating);
        EXPECT_DOUBLE_EQ(figures.TeamAverage, c.average);
        EXPECT_DOUBLE_EQ(figures.TeamsAverage, 18.0 / 7);
        EXPECT_DOUBLE_EQ(figures.GameAverage, 3.25);
        EXPECT_DOUBLE_EQ(figures.Difference, c.average - 18.0 / 7);
        EXPECT_EQ(AverageText(figures.TeamAverage, ','), c.averageText);
        const DifferenceText difference = DifferenceTextOf(figures.Difference, ',');
        EXPECT_EQ(difference.Text, c.difference);
        EXPECT_EQ(difference.Lead, c.lead);
    }
    EXPECT_EQ(AverageText(ratings.Figures(0).TeamsAverage, ','), "2,5714");
    EXPECT_EQ(AverageText(ratings.Figures(0).GameAverage, ','), "3,25");
    EXPECT_EQ(ratings.Figures(4).GameAverage, 0);
}

TEST(TeamRatings, ATeamsAverageIsOverTheQuestionsItTookWhateverItsScore) {
    // Ratings with plus one: 2, 3, 4, 3. T1 takes 2, 3 and 3 (8 over 3
    // questions), T2 takes 2. Deposits and a count stopped at question 2
    // make their scores -1 and 0; the averages stay those of their answers.
    auto game = MakeGame({4}, {"++-+", "+---", "----"});
    game->SetRatingPlusOne(true);
    game->SetDepositScore(true);
    game->TeamByNumber(1)->ScoreDeposit = 3;
    game->TeamByNumber(2)->ScoreDeposit = 1;
    game->SetLastQuestion(2);
    game->CountResult();
    ASSERT_EQ(game->TeamByNumber(1)->Score, -1);
    ASSERT_EQ(game->TeamByNumber(2)->Score, 0);
    const TeamRatings ratings(*game);
    EXPECT_DOUBLE_EQ(ratings.Figures(0).TeamAverage, 8.0 / 3);
    EXPECT_DOUBLE_EQ(ratings.Figures(1).TeamAverage, 2.0);
    EXPECT_DOUBLE_EQ(ratings.Figures(0).TeamsAverage, 10.0 / 4);
}

TEST(TeamRatings, AGameWithoutQuestionsShowsZeroEverywhere) {
    auto game = MakeGame({}, {"", ""});
    const TeamRatingFigures figures = TeamRatings(*game).Figures(1);
    EXPECT_EQ(figures.MaxRating, 0);
    for (double value : {figures.TeamAverage, figures.TeamsAverage, figures.GameAverage})
        EXPECT_EQ(AverageText(value, ','), "0");
    EXPECT_EQ(DifferenceTextOf(figures.Difference, ',').Text, "+ 0");
}

TEST(TeamRatings, AverageTexts) {
    struct Case {
        double value;
        char separator;
        const char* text;
    };
    const std::vector<Case> cases = {
        {2.5, ',', "2,5"},          {7.0 / 3, ',', "2,3333"},     {12.345678, '.', "12.345"},
        {100.0 / 3, ',', "33,333"}, {0, ',', "0"},                {10, ',', "10"},
        {123456.789, '.', "123456"}, {1234567, '.', "123456"},    {0.1 + 0.2, ',', "0,3"},
        {0.000123, '.', "0.0001"},  {2.9999999999999996, ',', "3"},
    };
    for (const Case& c : cases) EXPECT_EQ(AverageText(c.value, c.separator), c.text) << c.value;
}

TEST(TeamRatings, DifferenceTexts) {
    struct Case {
        double value;
        const char* text;
        bool lead;
    };
    const std::vector<Case> cases = {
        {0.25, "+ 0,25", true},
        {-0.25, "- 0,25", false},
        {0, "+ 0", true},
        {1.0 / 3, "+ 0,3333", true},
        {-1.0 / 3, "- 0,3333", false},
        {-12.5, "- 12,5", false},
        {-123.456789, "- 123,45", false},
        {1234.5678, "+ 1234,5", true},
        // A tiny difference reads as nothing rather than as the head of a number in exponent form.
        {1.6666666666666667e-7, "+ 0,0000", true},
        {-2e-6, "- 0,0000", false},
    };
    for (const Case& c : cases) {
        const DifferenceText d = DifferenceTextOf(c.value, ',');
        EXPECT_EQ(d.Text, c.text) << c.value;
        EXPECT_EQ(d.Lead, c.lead) << c.value;
    }
}
