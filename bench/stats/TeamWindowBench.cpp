// The team statistics window opened on 1000 teams over 48 questions and on
// 5000 over 90: the place history built on a copy, the averages counted,
// the boxes filled and the place graph drawn.
#include "stats/widgets/TStatTeamForm.h"
#include "StatsGame.h"

#include <benchmark/benchmark.h>

namespace {

void TeamWindowOpening(benchmark::State& state) {
    auto game = StatsGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        TStatTeamForm form(*game, 0);
        form.show();
        benchmark::DoNotOptimize(form.CurrentTeam());
    }
}

}  // namespace

BENCHMARK(TeamWindowOpening)->Args({1000, 48})->Args({5000, 90})->Unit(benchmark::kMillisecond);
