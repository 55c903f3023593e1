// The results board of 5000 teams over 90 questions on a 1920 x 1080
// screen: opened (the rows with their movement, the count at the previous
// question and the count back, both pictures drawn), and one scroll step
// (the table drawn anew and shown).
#include "model/BenchGames.h"
#include "output/ResultsBoardRows.h"
#include "output/widgets/TFormResults.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TVemoData> BoardGame(int teams, int questions) {
    auto game = BenchGame(teams, questions);
    game->SetRatingPlusOne(true);
    game->SetHiRating(true);
    game->CountResult();
    return game;
}

// The board as it opens on a full HD screen.
void ShowBoard(TFormResults& form) {
    form.setWindowState(Qt::WindowNoState);
    form.setGeometry(0, 0, 1920, 1080);
    form.show();
}

void BoardOpening(benchmark::State& state) {
    auto game = BoardGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        TFormResults form(*game);
        ShowBoard(form);
        benchmark::DoNotOptimize(form.Rows().data());
    }
}

void BoardRows(benchmark::State& state) {
    auto game = BoardGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(BuildResultsBoard(*game).Rows.data());
}

void BoardScrollStep(benchmark::State& state) {
    auto game = BoardGame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TFormResults form(*game);
    ShowBoard(form);
    QWidget* table = form.findChild<QWidget*>(QStringLiteral("Image"));
    bool down = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(&form, &key);
        table->repaint();
        down = !down;
    }
}

}  // namespace

BENCHMARK(BoardOpening)->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(BoardRows)->Args({5000, 90})->Unit(benchmark::kMillisecond);
BENCHMARK(BoardScrollStep)->Args({5000, 90})->Unit(benchmark::kMillisecond);
