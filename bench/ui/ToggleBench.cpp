// One double click in the game table until the table is painted again:
// toggle, recount, rebuild of the matrix, repaint of the visible grid,
// without the document (no undo, no journal).
#include "DoubleClickBench.h"
#include "table/widgets/GameTable.h"

namespace {

void Toggle(benchmark::State& state) {
    const bool graphic = ArgumentGraphic(state);
    auto game = ArgumentGame(state);
    game->SetRatingPlusOne(true);
    game->SetHiRating(true);

    GameTable table;
    TableOptions options;
    table.resize(1280, 800);
    QObject::connect(&table, &GameTable::ToggleRequested, [&](TTeamData* team, int q) {
        team->SetMark(q, team->Mark(q) ? 0 : 1);
        game->CountResult();
        table.Rebuild(*game, options);
    });
    game->CountResult();
    table.Rebuild(*game, options);
    table.SetGraphic(graphic);
    table.show();
    if (!QTest::qWaitForWindowExposed(&table)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    TimeDoubleClicks(state, graphic ? table.GraphicGrid() : table.TextGrid());
}

}  // namespace

BENCHMARK(Toggle)->Apply(ToggleSizes);
