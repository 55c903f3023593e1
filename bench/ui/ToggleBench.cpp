// One double click in the game table until the table is painted again:
// toggle, recount, rebuild of the matrix, repaint of the visible grid.
#include "GameBuilder.h"
#include "GameTable.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void Toggle(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    const int questions = static_cast<int>(state.range(1));
    const bool graphic = state.range(2) != 0;
    std::mt19937 random(7);
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {questions};
    auto game = MakeRandomGame(random, shape);
    game->SetRatingPlusOne(true);
    game->SetHiRating(true);

    GameTable table;
    TableOptions options;
    table.resize(1280, 800);
    QObject::connect(&table, &GameTable::MarksChanged, [&] {
        game->CountResult();
        table.Rebuild(*game, options);
    });
    game->CountResult();
    table.Rebuild(*game, options);
    table.SetGraphic(graphic);
    table.show();
    QTest::qWaitForWindowExposed(&table);
    QTableView* grid = graphic ? table.GraphicGrid() : table.TextGrid();
    const QPoint cell = grid->visualRect(grid->model()->index(5, 10)).center();

    for (auto _ : state) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        grid->viewport()->repaint();
    }
    state.SetLabel(graphic ? "graphic" : "text");
}

}  // namespace

BENCHMARK(Toggle)
    ->Args({1000, 48, 1})
    ->Args({1000, 48, 0})
    ->Args({5000, 90, 1})
    ->Args({5000, 90, 0})
    ->Unit(benchmark::kMillisecond);
