// The same double click through the whole main window: the window's change
// tail (modified, count, rebuild of the table, the selectors and the title)
// until the grid is painted again.
#include "GameBuilder.h"
#include "TFormMain.h"
#include "TempDir.h"

#include <QAction>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void WindowToggle(benchmark::State& state) {
    const bool graphic = state.range(2) != 0;
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.File("data")));
    std::mt19937 random(7);
    RandomGameShape shape;
    shape.teams = static_cast<int>(state.range(0));
    shape.tours = {static_cast<int>(state.range(1))};
    MakeRandomGame(random, shape)->SaveToFile(folder.File("game.qgm"));

    StartupOptions options;
    options.showSplash = false;
    options.hasOpen = true;
    options.openPath = QString::fromStdString(folder.File("game.qgm"));
    TFormMain form(options);
    form.resize(1280, 800);
    form.show();
    QTest::qWaitForWindowExposed(&form);
    if (!graphic) form.findChild<QAction*>(QStringLiteral("ActGraphTable"))->trigger();
    auto* grid = form.findChild<QTableView*>(graphic ? QStringLiteral("TableGr") : QStringLiteral("Table"));
    const QPoint cell = grid->visualRect(grid->model()->index(5, 10)).center();

    for (auto _ : state) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        grid->viewport()->repaint();
    }
    state.SetLabel(graphic ? "graphic" : "text");
}

}  // namespace

BENCHMARK(WindowToggle)
    ->Args({1000, 48, 1})
    ->Args({1000, 48, 0})
    ->Args({5000, 90, 1})
    ->Args({5000, 90, 0})
    ->Unit(benchmark::kMillisecond);
