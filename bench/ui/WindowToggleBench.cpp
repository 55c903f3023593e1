// The same double click through the whole main window: the window's change
// tail (modified, count, rebuild of the table, the selectors and the title)
// until the grid is painted again.
#include "DoubleClickBench.h"
#include "ui/TFormMain.h"
#include "support/TempDir.h"

#include <QAction>

namespace {

void WindowToggle(benchmark::State& state) {
    const bool graphic = ArgumentGraphic(state);
    TempDir folder;
    qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.File("data")));
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(folder.File("state")));
    ArgumentGame(state)->SaveToFile(folder.File("game.qgm"));

    StartupOptions options;
    options.showSplash = false;
    options.hasOpen = true;
    options.openPath = QString::fromStdString(folder.File("game.qgm"));
    TFormMain form(options);
    form.resize(1280, 800);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was never shown");
        return;
    }
    if (!graphic) form.findChild<QAction*>(QStringLiteral("ActGraphTable"))->trigger();
    TimeDoubleClicks(state, form.findChild<QTableView*>(graphic ? QStringLiteral("TableGr") : QStringLiteral("Table")));
}

}  // namespace

BENCHMARK(WindowToggle)->Apply(ToggleSizes);
