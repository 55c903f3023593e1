// Joining another hall's game to an open game of the same size (500 and
// 2500 teams over 90 questions): the other file read, the three checks, the
// join and the count of all teams.
#include "BenchGames.h"
#include "model/GameMerge.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

void MergeHalls(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    const int questions = static_cast<int>(state.range(1));
    const auto open = BenchGame(teams, questions);
    auto other = BenchGame(teams, questions);
    for (int i = 0; i < other->TeamCount(); ++i) other->TeamByIndex(i)->Town = "Hall 2";
    TempDir folder;
    const std::string path = folder.File("hall2.qgm");
    other->SaveToFile(path);

    for (auto _ : state) {
        state.PauseTiming();
        auto game = open->Clone();
        state.ResumeTiming();
        TVemoData joined;
        joined.LoadFromFile(path);
        if (CheckMerge(*game, joined) != MergeRefusal::None) {
            state.SkipWithError("the halls were refused");
            return;
        }
        MergeGame(*game, joined);
        game->CountResult();
        benchmark::DoNotOptimize(game->TeamByIndex(2 * teams - 1)->Place);
    }
}

}  // namespace

BENCHMARK(MergeHalls)->Args({500, 90})->Args({2500, 90})->Unit(benchmark::kMillisecond);
