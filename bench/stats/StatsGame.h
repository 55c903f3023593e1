// The game both statistics benchmarks open: random answers, counted with
// the rating plus one, as the statistics windows show it.
#pragma once

#include "support/GameBuilder.h"

inline std::unique_ptr<TVemoData> StatsGame(int teams, int questions) {
    std::mt19937 random(static_cast<unsigned>(teams * 1000 + questions));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {questions};
    auto game = MakeRandomGame(random, shape);
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}
