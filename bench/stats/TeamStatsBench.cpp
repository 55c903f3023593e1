// What the team statistics window computes when it opens: the place
// history of every team after every question, and the rating sums, for
// 1000 teams over 48 questions and 5000 teams over 90.
#include "stats/PlaceHistory.h"
#include "stats/TeamRatings.h"
#include "support/GameBuilder.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TVemoData> Game(int teams, int questions) {
    std::mt19937 random(static_cast<unsigned>(teams * 1000 + questions));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {questions};
    auto game = MakeRandomGame(random, shape);
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

void History(benchmark::State& state) {
    auto game = Game(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(PlaceHistory::Build(*game).After(1, 0));
}

void Ratings(benchmark::State& state) {
    auto game = Game(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(TeamRatings(*game).Figures(0));
}

}  // namespace

BENCHMARK(History)->Args({1000, 48})->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(Ratings)->Args({1000, 48})->Args({5000, 90})->Unit(benchmark::kMillisecond);
