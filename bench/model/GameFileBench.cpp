// Saving and loading a 5000-team, 90-question game.
#include "BenchGames.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

void SaveGame(benchmark::State& state) {
    auto game = BenchGame(5000, 90);
    TempDir dir;
    for (auto _ : state) benchmark::DoNotOptimize(game->SaveToFile(dir.File("big.qgm")));
}

void LoadGame(benchmark::State& state) {
    TempDir dir;
    BenchGame(5000, 90)->SaveToFile(dir.File("big.qgm"));
    for (auto _ : state) {
        TVemoData game;
        benchmark::DoNotOptimize(game.LoadFromFile(dir.File("big.qgm")));
    }
}

}  // namespace

BENCHMARK(SaveGame)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadGame)->Unit(benchmark::kMillisecond);
