// Every page of the final table (type 1) of 1000 teams over 90 questions
// printed to a PDF at 300 dpi on A4: 110 pages.
#include "model/BenchGames.h"
#include "output/widgets/PageRenderer.h"
#include "support/TempDir.h"

#include <QGuiApplication>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

void PdfOfFinalTable(benchmark::State& state) {
    auto game = BenchGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    game->SetRatingPlusOne(true);
    game->CountResult();
    const auto orientation = state.range(2) ? PageOrientation::Landscape : PageOrientation::Portrait;
    TempDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("pages.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(300);
        pages = PrintAllPages(printer, GameReportData(*game, InfoType::FinalTable, RatingType::PlusOne), orientation);
    }
    state.counters["pages"] = pages;
}

}  // namespace

BENCHMARK(PdfOfFinalTable)->Args({1000, 90, 0})->Args({1000, 90, 1})->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
