// The fast count against the literal one on many seeded random games:
// every combination of the four count parameters, tour and group views,
// cut windows, ties and deposits.
#include "support/GameBuilder.h"
#include "support/LiteralCount.h"

#include <gtest/gtest.h>

namespace {

struct Snapshot {
    int score, ratScore, totalTaken, place, sortPos;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

std::vector<Snapshot> Take(const TVemoData& game) {
    std::vector<Snapshot> s;
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& t = *game.TeamByIndex(i);
        s.push_back({t.Score, t.RatScore, t.TotalTaken, t.Place, t.SortPos});
    }
    return s;
}

void Scramble(TVemoData& game) {
    for (int i = 0; i < game.TeamCount(); ++i) {
        TTeamData& t = *game.TeamByIndex(i);
        t.Score = t.RatScore = t.TotalTaken = t.Place = t.SortPos = -7;
    }
}

RandomGameShape ShapeFor(std::mt19937& random) {
    RandomGameShape shape;
    shape.teams = std::uniform_int_distribution<int>(1, 60)(random);
    const int tours = std::uniform_int_distribution<int>(1, 4)(random);
    shape.tours.clear();
    for (int t = 0; t < tours; ++t) shape.tours.push_back(std::uniform_int_distribution<int>(1, 15)(random));
    shape.groups = std::uniform_int_distribution<int>(0, 3)(random);
    shape.maxDeposit = std::uniform_int_distribution<int>(0, 1)(random) ? 4 : 0;
    return shape;
}

}  // namespace

TEST(CountEquivalence, FastCountGivesTheLiteralOrderAndPlaces) {
    std::mt19937 random(20070301);
    for (int round = 0; round < 400; ++round) {
        const RandomGameShape shape = ShapeFor(random);
        auto game = MakeRandomGame(random, shape);
        const int tour = std::uniform_int_distribution<int>(0, game->TourCount())(random);
        const int group = std::uniform_int_distribution<int>(0, game->GroupCount())(random);
        game->SetCurrentTour(tour);
        game->SetCurrentGroup(group);
        if (game->WindowQuestionCount() > 1 && random() % 2)
            game->SetLastQuestion(std::uniform_int_distribution<int>(1, game->WindowQuestionCount())(random));
        for (int parameters = 0; parameters < 16; ++parameters) {
            game->SetHiRating(parameters & 1);
            game->SetRatingPlusOne(parameters & 2);
            game->SetSortByRating(parameters & 4);
            game->SetDepositScore(parameters & 8);
            Scramble(*game);
            LiteralCountResult(*game);
            const std::vector<Snapshot> expected = Take(*game);
            const int last = game->LastQuestion();
            Scramble(*game);
            game->CountResult();
            ASSERT_EQ(Take(*game), expected) << "round " << round << " parameters " << parameters;
            ASSERT_EQ(game->LastQuestion(), last);
        }
    }
}

TEST(CountEquivalence, ManyTiesWithDeposits) {
    // Few questions and many teams: nearly everything ties, and deposits
    // make equal scores out of different numbers of questions taken. The
    // first question is taken by everyone, so with the zero rating one
    // team's list of taken ratings can be the other's plus a 0.
    std::mt19937 random(51);
    for (int round = 0; round < 300; ++round) {
        RandomGameShape shape;
        shape.teams = std::uniform_int_distribution<int>(2, 40)(random);
        shape.tours = {std::uniform_int_distribution<int>(2, 5)(random)};
        shape.maxDeposit = 2;
        auto game = MakeRandomGame(random, shape);
        for (int i = 0; i < game->TeamCount(); ++i) game->TeamByIndex(i)->SetRawMark(0, 1);
        game->SetHiRating(true);
        game->SetRatingPlusOne(round % 2);
        game->SetDepositScore(true);
        LiteralCountResult(*game);
        const std::vector<Snapshot> expected = Take(*game);
        Scramble(*game);
        game->CountResult();
        ASSERT_EQ(Take(*game), expected) << "round " << round;
    }
}
