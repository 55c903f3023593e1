// The same double click through the whole main window: the game document
// (the undo recording, the count, Changed) with the recovery journal armed,
// and the window's rebuild of the table, the selectors and the title, until
// the grid is painted again. And the undo and redo of that click.
#include "DoubleClickBench.h"
#include "ui/TFormMain.h"
#include "support/TempDir.h"

#include <QAction>

namespace {

// The window on a game of the benchmark's size, shown in the benchmark's form.
class BenchWindow {
public:
    explicit BenchWindow(benchmark::State& state) {
        qputenv("VEMO_PROGRAM_DIR", QByteArray::fromStdString(FFolder.Path().string()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(FFolder.File("data")));
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(FFolder.File("state")));
        ArgumentGame(state)->SaveToFile(FFolder.File("game.qgm"));
        StartupOptions options;
        options.showSplash = false;
        options.hasOpen = true;
        options.openPath = QString::fromStdString(FFolder.File("game.qgm"));
        FForm = std::make_unique<TFormMain>(options);
        FForm->resize(1280, 800);
        FForm->show();
        if (!QTest::qWaitForWindowExposed(FForm.get())) state.SkipWithError("the window was never shown");
        if (!ArgumentGraphic(state)) Action("ActGraphTable")->trigger();
    }

    QTableView* Grid() const {
        return FForm->findChild<QTableView*>(FForm->findChild<QAction*>(QStringLiteral("ActGraphTable"))->isChecked()
                                                 ? QStringLiteral("TableGr")
                                                 : QStringLiteral("Table"));
    }
    QAction* Action(const QString& name) const { return FForm->findChild<QAction*>(name); }

private:
    TempDir FFolder;
    std::unique_ptr<TFormMain> FForm;
};

void WindowToggle(benchmark::State& state) {
    BenchWindow window(state);
    TimeDoubleClicks(state, window.Grid());
}

void WindowUndo(benchmark::State& state) {
    BenchWindow window(state);
    QTableView* grid = window.Grid();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(5, 10)).center());
    bool undo = true;
    for (auto _ : state) {
        window.Action(undo ? QStringLiteral("ActUndo") : QStringLiteral("ActRedo"))->trigger();
        grid->viewport()->repaint();
        undo = !undo;
    }
    state.SetLabel(ArgumentGraphic(state) ? "graphic" : "text");
}

}  // namespace

BENCHMARK(WindowToggle)->Apply(ToggleSizes);
BENCHMARK(WindowUndo)->Apply(ToggleSizes);
