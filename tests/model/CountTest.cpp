// The count rules: ratings, scores, tie-breaks and places.
#include "support/GameBuilder.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    int score, ratScore, place, sortPos;
    friend bool operator==(const Result&, const Result&) = default;
};

std::vector<Result> Results(const TVemoData& game) {
    std::vector<Result> results;
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& t = *game.TeamByIndex(i);
        results.push_back({t.Score, t.RatScore, t.Place, t.SortPos});
    }
    return results;
}

std::vector<int> Places(const TVemoData& game) {
    std::vector<int> places;
    for (int i = 0; i < game.TeamCount(); ++i) places.push_back(game.TeamByIndex(i)->Place);
    return places;
}

std::vector<int> Ratings(const TVemoData& game) {
    std::vector<int> ratings;
    for (int q = 0; q < game.WindowQuestionCount(); ++q) ratings.push_back(game.QuestionRating(q));
    return ratings;
}

std::unique_ptr<TVemoData> Counted(const std::vector<int>& tours, const std::vector<std::string>& marks,
                                   bool plusOne, bool hiRating) {
    auto game = MakeGame(tours, marks);
    game->SetRatingPlusOne(plusOne);
    game->SetHiRating(hiRating);
    game->SetCurrentTour(0);
    game->CountResult();
    return game;
}

}  // namespace

TEST(Count, RatingsAndScoresOfThreeTeams) {
    auto plusOne = Counted({3}, {"++-", "+--", "---"}, true, false);
    EXPECT_EQ(Ratings(*plusOne), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Results(*plusOne), (std::vector<Result>{{2, 5, 1, 0}, {1, 2, 2, 1}, {0, 0, 3, 2}}));

    auto zero = Counted({3}, {"++-", "+--", "---"}, false, false);
    EXPECT_EQ(Ratings(*zero), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Results(*zero), (std::vector<Result>{{2, 3, 1, 0}, {1, 1, 2, 1}, {0, 0, 3, 2}}));
}

TEST(Count, HigherRatingSeparatesTeamsEqualInScoreAndRating) {
    // A takes the questions rated 4 and 1, B those rated 3 and 2; three
    // more teams give the questions these ratings.
    const std::vector<std::string> marks = {"++--", "--++", "-+--", "-+-+", "-+++"};
    auto on = Counted({4}, marks, false, true);
    ASSERT_EQ(Ratings(*on), (std::vector<int>{4, 1, 3, 2}));
    EXPECT_EQ(on->TeamByIndex(0)->Score, 2);
    EXPECT_EQ(on->TeamByIndex(0)->RatScore, 5);
    EXPECT_EQ(on->TeamByIndex(1)->RatScore, 5);
    EXPECT_EQ(Places(*on), (std::vector<int>{2, 3, 5, 4, 1}));

    auto off = Counted({4}, marks, false, false);
    EXPECT_EQ(Places(*off), (std::vector<int>{2, 2, 5, 4, 1}));
}

TEST(Count, TiesShareTheBetterPlaceAndKeepRegistrationOrder) {
    auto game = Counted({5}, {"++++-", "++---", "+++++", "++++-", "-----"}, true, false);
    EXPECT_EQ(Places(*game), (std::vector<int>{2, 4, 1, 2, 5}));
    EXPECT_EQ(game->TeamByIndex(0)->SortPos, 1);
    EXPECT_EQ(game->TeamByIndex(3)->SortPos, 2);
}

TEST(Count, EmptyMarksPutEveryTeamFirst) {
    for (bool hiRating : {false, true}) {
        auto game = Counted({4}, {"----", "----", "----"}, true, hiRating);
        EXPECT_EQ(Results(*game), (std::vector<Result>{{0, 0, 1, 0}, {0, 0, 1, 1}, {0, 0, 1, 2}}));
    }
}

TEST(Count, NoTeamsInViewChangesNothing) {
    auto game = MakeGame({4}, {"++--"});
    const TGroupData empty{"Empty"};
    game->AddGroup(&empty);
    game->SetCurrentGroup(1);
    game->StoreLastQuestion(9);
    game->TeamByIndex(0)->Place = 7;
    game->CountResult();
    EXPECT_EQ(game->LastQuestion(), 9);
    EXPECT_EQ(game->TeamByIndex(0)->Place, 7);
}

TEST(Count, QuestionEveryoneTookIsWorthNothingWithZeroRating) {
    auto game = Counted({2}, {"++", "+-"}, false, false);
    EXPECT_EQ(Ratings(*game), (std::vector<int>{0, 1}));
    EXPECT_EQ(game->TeamByIndex(1)->RatScore, 0);
}

TEST(Count, GroupViewRatesQuestionsByItsOwnTeams) {
    auto game = MakeGame({2}, {"+-", "--", "-+"});
    const TGroupData g{"G"};
    game->AddGroup(&g);
    game->TeamByIndex(0)->SetGroup(game->GroupByIndex(0));
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(0));
    game->SetRatingPlusOne(true);
    EXPECT_EQ(Ratings(*game), (std::vector<int>{3, 3}));
    game->SetCurrentGroup(1);
    EXPECT_EQ(Ratings(*game), (std::vector<int>{2, 3}));
    game->CountResult();
    EXPECT_EQ(game->TeamByIndex(0)->RatScore, 2);
    EXPECT_EQ(game->TeamByIndex(0)->Place, 1);
    EXPECT_EQ(game->TeamByIndex(1)->Place, 2);
}

TEST(Count, DepositIsSubtractedFromScoreOnly) {
    auto game = MakeGame({10}, {"+++++++---", "+---------"});
    game->TeamByIndex(0)->ScoreDeposit = 10;
    game->SetDepositScore(true);
    game->CountResult();
    EXPECT_EQ(game->TeamByIndex(0)->Score, -3);
    EXPECT_EQ(game->TeamByIndex(0)->TotalTaken, 7);
    EXPECT_EQ(game->TeamByIndex(0)->Place, 2);
    game->SetDepositScore(false);
    EXPECT_EQ(game->TeamByIndex(0)->Score, 7);
}

TEST(Count, SortByRatingUsesQuestionsTakenInTheWholeTour) {
    // Equal ratings over the first two questions; the second team took more
    // of the tour's questions after the cut.
    auto game = MakeGame({4}, {"+---", "-+++", "----", "----"});
    game->SetRatingPlusOne(true);
    game->SetSortByRating(true);
    game->SetCurrentTour(1);
    ASSERT_TRUE(game->SetLastQuestion(2));
    game->CountResult();
    EXPECT_EQ(game->TeamByIndex(0)->RatScore, game->TeamByIndex(1)->RatScore);
    EXPECT_EQ(game->TeamByIndex(1)->TotalTaken, 3);
    EXPECT_EQ(game->TeamByIndex(1)->Place, 1);
    EXPECT_EQ(game->TeamByIndex(0)->Place, 2);
}

TEST(Count, LastQuestionLimitsScoresButNotTotalTaken) {
    auto game = MakeGame({5}, {"+-+++", "++---"});
    game->SetCurrentTour(1);
    ASSERT_TRUE(game->SetLastQuestion(2));
    game->CountResult();
    EXPECT_EQ(game->TeamByIndex(0)->Score, 1);
    EXPECT_EQ(game->TeamByIndex(1)->Score, 2);
    EXPECT_EQ(game->TeamByIndex(0)->TotalTaken, 4);
    EXPECT_EQ(game->TeamByIndex(1)->Place, 1);
    EXPECT_FALSE(game->SetLastQuestion(0));
    EXPECT_FALSE(game->SetLastQuestion(6));
    EXPECT_EQ(game->LastQuestion(), 2);
}

TEST(Count, LastQuestionBeyondTheWindowIsCutByTheNextCount) {
    auto game = MakeGame({6, 3}, {"+++++++++"});
    game->SetCurrentTour(2);
    game->StoreLastQuestion(6);
    game->CountResult();
    EXPECT_EQ(game->LastQuestion(), 3);
    EXPECT_EQ(game->TeamByIndex(0)->Score, 3);
    game->StoreLastQuestion(6);
    EXPECT_EQ(game->GetLastQuestion(), 3);
}

TEST(Count, ParameterSettersRecountOnlyOnChange) {
    auto game = MakeGame({2}, {"+-", "--"});
    game->SetCurrentTour(1);
    game->TeamByIndex(0)->RatScore = 99;
    game->SetRatingPlusOne(false);  // unchanged: no recount
    EXPECT_EQ(game->TeamByIndex(0)->RatScore, 99);
    game->SetRatingPlusOne(true);
    EXPECT_EQ(game->TeamByIndex(0)->RatScore, 2);
}

TEST(Count, TeamsInCountedOrderFollowTheLastCountAndSurviveStalePlaces) {
    auto game = Counted({3}, {"+--", "+++", "++-", "---"}, true, false);
    auto numbers = [&] {
        std::vector<int> n;
        for (const TTeamData* t : game->TeamsInCountedOrder()) n.push_back(t->Number);
        return n;
    };
    EXPECT_EQ(numbers(), (std::vector<int>{2, 3, 1, 4}));

    // A group chosen without a count leaves places of the whole game
    // behind; every team of the group is still listed once.
    game->TeamByIndex(1)->SetGroup(game->GroupNamed("A"));
    game->TeamByIndex(3)->SetGroup(game->GroupNamed("A"));
    game->SetCurrentGroup(1);
    EXPECT_EQ(numbers(), (std::vector<int>{2, 4}));
    game->TeamByIndex(3)->SortPos = game->TeamByIndex(1)->SortPos;
    EXPECT_EQ(numbers(), (std::vector<int>{2, 4}));
}
