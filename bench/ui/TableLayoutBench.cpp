// A game opened in a fresh table: the matrix built and every column of both
// grids laid out. A game may hold up to 65535 questions, and the table must
// open it in well under a second, not freeze the window.
#include "DoubleClickBench.h"
#include "table/widgets/GameTable.h"

namespace {

void TableLayout(benchmark::State& state) {
    auto game = ArgumentGame(state);
    game->CountResult();
    TableOptions options;
    for (auto _ : state) {
        GameTable table;
        table.resize(1280, 800);
        table.Rebuild(*game, options);
        benchmark::DoNotOptimize(table.GraphicGrid()->columnWidth(3));
    }
    state.SetLabel(std::to_string(state.range(1)) + " questions");
}

}  // namespace

BENCHMARK(TableLayout)
    ->Args({10, 90, 1})
    ->Args({10, 2000, 1})
    ->Args({10, 8000, 1})
    ->Args({10, 65535, 1})
    ->Unit(benchmark::kMillisecond);
