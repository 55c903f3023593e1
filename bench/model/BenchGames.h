// The games the model benchmarks run on: seeded, so every run measures the same.
#pragma once

#include "support/GameBuilder.h"

#include <memory>

inline std::unique_ptr<TVemoData> BenchGame(int teams, int questions, int maxDeposit = 3) {
    std::mt19937 random(static_cast<unsigned>(teams * 1000 + questions));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {questions};
    shape.maxDeposit = maxDeposit;
    return MakeRandomGame(random, shape);
}
