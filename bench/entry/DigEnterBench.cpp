// One keystroke run in the quick entry window's team field on page 1, as a
// scorer types it: the digits of a team's number, then Enter, which inverts
// the team's mark of the question, counts the question's rating again and
// paints the number field again, on the field a 1920 x 1080 screen gives
// the window. Halls of 300 to 5000 teams.
#include "entry/widgets/TDigForm.h"
#include "support/GameBuilder.h"

#include <QLineEdit>
#include <QTest>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

constexpr QSize kFullHdField(1190, 630);

void DigEnterTeam(benchmark::State& state) {
    std::mt19937 random(11);
    RandomGameShape shape;
    shape.teams = static_cast<int>(state.range(0));
    shape.tours = {36};
    auto game = MakeRandomGame(random, shape);

    TDigForm form(*game);
    form.SetQuestionNumber(12);
    auto* field = form.findChild<QWidget*>(QStringLiteral("Im1"));
    field->setFixedSize(kFullHdField);
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) {
        state.SkipWithError("the window was never active");
        return;
    }
    auto* enterT = form.findChild<QLineEdit*>(QStringLiteral("EnterT"));
    enterT->setFocus();
    // A team late in the hall with the longest number the field takes.
    const int team = std::min(game->TeamCount(), 999) - 1;
    if (!game->TeamByNumber(team)) {
        state.SkipWithError("the hall has no such team");
        return;
    }
    const QString typed = QString::number(team);
    const uint8_t before = game->TeamByNumber(team)->Mark(11);
    int64_t entered = 0;
    for (auto _ : state) {
        enterT->selectAll();
        QTest::keyClicks(enterT, typed);
        QTest::keyClick(enterT, Qt::Key_Return);
        field->repaint();
        ++entered;
    }
    if ((game->TeamByNumber(team)->Mark(11) != before) != (entered % 2 == 1))
        state.SkipWithError("Enter did not invert the team's mark each time");
}

}  // namespace

BENCHMARK(DigEnterTeam)->Arg(300)->Arg(500)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
