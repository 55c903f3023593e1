// A hall registers 300-500 teams, one after another, in one registration
// window. What a scorer waits for after each Enter: the text stored, the
// list refreshed and painted, the field laid over the next cell.
#include "entry/widgets/TFormReg.h"
#include "support/GameBuilder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kNameColumn = 1;
constexpr int kTownColumn = 2;

std::unique_ptr<TVemoData> HallGame(int teams) {
    std::mt19937 random(7);
    return MakeRandomGame(random, {.teams = teams, .tours = {12, 12, 12}, .groups = 4});
}

// The registration shown on a game of `teams` teams, the field open over
// the cell of `row` (1-based; teams + 1 is the empty last row).
class BenchRegistration {
public:
    BenchRegistration(TVemoData& game, int row, int column, benchmark::State& state) : FForm(game, nullptr) {
        FForm.show();
        FForm.activateWindow();
        if (!QTest::qWaitForWindowActive(&FForm)) state.SkipWithError("the window was never shown");
        FGrid = FForm.findChild<QTableView*>(QStringLiteral("Table"));
        FEditor = FForm.findChild<QLineEdit*>(QStringLiteral("EnterValue"));
        Click(row, column);
        if (!EditorOver(row, column)) state.SkipWithError("no field over the cell");
    }

    // The scorer's click on a cell opens the field over it.
    void Click(int row, int column) {
        const QModelIndex cell = FGrid->model()->index(row - 1, column);
        FGrid->scrollTo(cell);
        QTest::mouseClick(FGrid->viewport(), Qt::LeftButton, {}, FGrid->visualRect(cell).center());
    }

    // Enter, and the grid painted as the scorer sees it.
    void Enter() {
        QTest::keyClick(FEditor, Qt::Key_Return);
        FGrid->viewport()->repaint();
    }
    // The field must stand over `column` of `row`, or the benchmark measured something else.
    bool EditorOver(int row, int column) const {
        return FEditor && FEditor->hasFocus() &&
               FEditor->geometry().contains(FGrid->visualRect(FGrid->model()->index(row - 1, column)));
    }
    QLineEdit& Editor() const { return *FEditor; }

private:
    TFormReg FForm;
    QTableView* FGrid = nullptr;
    QLineEdit* FEditor = nullptr;
};

// A new team: its name typed on the empty last row and Enter, which adds
// the team and moves the field on to its town. Each round starts from a
// window of exactly `teams` teams.
void RegisterNewTeam(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    const auto game = HallGame(teams);
    for (auto _ : state) {
        state.PauseTiming();
        BenchRegistration window(*game, teams + 1, kNameColumn, state);
        state.ResumeTiming();
        QTest::keyClicks(&window.Editor(), QStringLiteral("Team"));
        window.Enter();
        state.PauseTiming();
        if (!window.EditorOver(teams + 1, kTownColumn)) state.SkipWithError("the field did not move to the town");
        state.ResumeTiming();
    }
}

// Enter on a name in the middle of the list: the same name stored again,
// the list refreshed and the field moved to the town. Then back to the name.
void EnterOnATeam(benchmark::State& state) {
    const int teams = static_cast<int>(state.range(0));
    const auto game = HallGame(teams);
    const int row = teams / 2;
    BenchRegistration window(*game, row, kNameColumn, state);
    for (auto _ : state) {
        window.Enter();
        state.PauseTiming();
        if (!window.EditorOver(row, kTownColumn)) state.SkipWithError("the field did not move to the town");
        window.Click(row, kNameColumn);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(RegisterNewTeam)->Arg(300)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(EnterOnATeam)->Arg(300)->Arg(500)->Unit(benchmark::kMillisecond);
