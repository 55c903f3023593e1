// What the team statistics window computes when it opens: the place
// history of every team after every question, and the rating sums, for
// 1000 teams over 48 questions and 5000 teams over 90.
#include "stats/PlaceHistory.h"
#include "stats/TeamRatings.h"
#include "StatsGame.h"

#include <benchmark/benchmark.h>

namespace {

void History(benchmark::State& state) {
    auto game = StatsGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(PlaceHistory::Build(*game).After(1, 0));
}

void Ratings(benchmark::State& state) {
    auto game = StatsGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(TeamRatings(*game).Figures(0));
}

}  // namespace

BENCHMARK(History)->Args({1000, 48})->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(Ratings)->Args({1000, 48})->Args({5000, 90})->Unit(benchmark::kMillisecond);
