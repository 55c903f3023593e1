// vemoctl as a script runs it, from reading the game file to the written
// output: the PDF of the final table of 1000 teams over 90 questions (110
// A4 pages at 300 dpi) and its workbook for 5000 teams. The time is the
// wall time of the whole vemoctl process.
#include "model/BenchGames.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void RunVemoctl(benchmark::State& state, const std::string& command, int teams) {
    TempDir dir;
    const std::string game = dir.File("game.qgm");
    if (!BenchGame(teams, 90)->SaveToFile(game)) {
        state.SkipWithError("the game file cannot be written");
        return;
    }
    const std::string line = std::string(VEMOCTL_PATH) + " " + command + " '" + game + "' --type 1 -o '" +
                             dir.File("out") + "'";
    for (auto _ : state)
        if (std::system(line.c_str()) != 0) state.SkipWithError(("failed: " + line).c_str());
}

void PdfOfFinalTable(benchmark::State& state) { RunVemoctl(state, "pdf", static_cast<int>(state.range(0))); }

void WorkbookOfFinalTable(benchmark::State& state) { RunVemoctl(state, "xlsx", static_cast<int>(state.range(0))); }

}  // namespace

BENCHMARK(PdfOfFinalTable)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(WorkbookOfFinalTable)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_MAIN();
