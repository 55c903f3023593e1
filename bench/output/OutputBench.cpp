// The text report and the workbook of the final table (type 1) for 5000
// teams over 90 questions, from the counted game to the bytes or the file.
#include "model/BenchGames.h"
#include "output/TextReport.h"
#include "output/WorkbookWriter.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TVemoData> CountedGame(int teams, int questions) {
    auto game = BenchGame(teams, questions);
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

void TextReportBytesOfFinalTable(benchmark::State& state) {
    auto game = CountedGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const std::string bytes = TextReportBytes(GameReportData(*game, InfoType::FinalTable, RatingType::PlusOne));
        benchmark::DoNotOptimize(bytes.data());
    }
}

void TextReportFileOfFinalTable(benchmark::State& state) {
    auto game = CountedGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TempDir dir;
    for (auto _ : state)
        WriteTextReport(GameReportData(*game, InfoType::FinalTable, RatingType::PlusOne), dir.File("report.txt"));
}

void WorkbookOfFinalTable(benchmark::State& state) {
    auto game = CountedGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TempDir dir;
    for (auto _ : state)
        WriteWorkbook(BuildWorkbookLayout(GameReportData(*game, InfoType::FinalTable, RatingType::PlusOne)),
                      dir.File("book.xlsx"));
}

}  // namespace

BENCHMARK(TextReportBytesOfFinalTable)->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(TextReportFileOfFinalTable)->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(WorkbookOfFinalTable)->Args({5000, 90})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
