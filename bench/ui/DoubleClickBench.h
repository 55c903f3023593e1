// What the two toggle benchmarks share: the game of the benchmark's
// arguments (teams, questions, graphic form), the sizes they run at, and the
// timed double click on an answer cell until the grid is painted again.
#pragma once

#include "support/GameBuilder.h"

#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

inline std::unique_ptr<TVemoData> ArgumentGame(const benchmark::State& state) {
    std::mt19937 random(7);
    RandomGameShape shape;
    shape.teams = static_cast<int>(state.range(0));
    shape.tours = {static_cast<int>(state.range(1))};
    return MakeRandomGame(random, shape);
}

inline bool ArgumentGraphic(const benchmark::State& state) { return state.range(2) != 0; }

inline void TimeDoubleClicks(benchmark::State& state, QTableView* grid) {
    const QPoint cell = grid->visualRect(grid->model()->index(5, 10)).center();
    for (auto _ : state) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        grid->viewport()->repaint();
    }
    state.SetLabel(ArgumentGraphic(state) ? "graphic" : "text");
}

inline void ToggleSizes(benchmark::internal::Benchmark* b) {
    for (auto size : {std::pair{1000, 48}, std::pair{5000, 90}})
        for (int graphic : {1, 0}) b->Args({size.first, size.second, graphic});
    b->Unit(benchmark::kMillisecond);
}
