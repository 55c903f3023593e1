// CountResult of the program beside the literal count, at 100, 1000 and
// 5000 teams over 36 and 90 questions, under several count options.
#include "BenchGames.h"
#include "support/LiteralCount.h"

#include <benchmark/benchmark.h>

namespace {

enum Options : int64_t {
    kAllOff = 0,
    kAllOn = 1,              // sort by rating wins over the tie-breaks
    kTieBreaksOn = 2,        // higher rating, plus one, deposits; sorted by places
};

void Configure(TVemoData& game, int64_t options) {
    game.SetHiRating(options != kAllOff);
    game.SetRatingPlusOne(options != kAllOff);
    game.SetDepositScore(options != kAllOff);
    game.SetSortByRating(options == kAllOn);
}

const char* OptionsName(int64_t options) {
    return options == kAllOff ? "all_off" : options == kAllOn ? "all_on" : "tie_breaks_on";
}

template <void (*Count)(TVemoData&)>
void CountBench(benchmark::State& state) {
    auto game = BenchGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Configure(*game, state.range(2));
    state.SetLabel(OptionsName(state.range(2)));
    for (auto _ : state) {
        Count(*game);
        benchmark::DoNotOptimize(game->TeamByIndex(0)->Place);
    }
}

void FastCount(TVemoData& game) { game.CountResult(); }

void Arguments(benchmark::internal::Benchmark* b, bool literal) {
    for (int teams : {100, 1000, 5000})
        for (int questions : {36, 90})
            for (int64_t options : {kAllOff, kAllOn, kTieBreaksOn}) {
                if (literal && teams == 5000 && options == kAllOff) continue;  // minutes, and says nothing new
                b->Args({teams, questions, options});
            }
    b->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(CountBench<FastCount>)->Name("Fast")->Apply([](auto* b) { Arguments(b, false); });
BENCHMARK(CountBench<LiteralCountResult>)->Name("Literal")->Apply([](auto* b) { Arguments(b, true); })->Iterations(3);
