// One keystroke run in the quick entry window's team field on page 1, as a
// scorer types it: the digits of a team's number, then Enter, which inverts
// the team's mark of the question, counts the question's rating again and
// paints what changed (DigEnterTeam); and the whole number field painted
// again, as at a page change or a new question (DigFieldRepaint). On the
// field a 1920 x 1080 screen gives the window, in halls of 300 to 5000 teams.
#include "entry/widgets/TDigForm.h"
#include "support/GameBuilder.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

constexpr QSize kFullHdField(1190, 630);

// Counts the paints of the number field, so that a run that never painted
// cannot pass for a fast one.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int64_t paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The window on page 1 over question 12 of a 36-question hall, active.
struct OpenWindow {
    explicit OpenWindow(int teams) {
        std::mt19937 random(11);
        RandomGameShape shape;
        shape.teams = teams;
        shape.tours = {36};
        game = MakeRandomGame(random, shape);
        form = std::make_unique<TDigForm>(*game);
        form->SetQuestionNumber(12);
        field = form->findChild<QWidget*>(QStringLiteral("Im1"));
        field->setFixedSize(kFullHdField);
        form->show();
        active = QTest::qWaitForWindowActive(form.get());
        QCoreApplication::processEvents();
    }
    std::unique_ptr<TVemoData> game;
    std::unique_ptr<TDigForm> form;
    QWidget* field;
    bool active;
};

void DigEnterTeam(benchmark::State& state) {
    OpenWindow window(static_cast<int>(state.range(0)));
    if (!window.active) {
        state.SkipWithError("the window was never active");
        return;
    }
    auto* enterT = window.form->findChild<QLineEdit*>(QStringLiteral("EnterT"));
    enterT->setFocus();
    // A team late in the hall with the longest number the field takes.
    const int team = std::min(window.game->TeamCount(), 999) - 1;
    const QString typed = QString::number(team);
    const uint8_t before = window.game->TeamByNumber(team)->Mark(11);
    const PaintCounter counter(window.field);
    int64_t entered = 0;
    for (auto _ : state) {
        enterT->selectAll();
        QTest::keyClicks(enterT, typed);
        QTest::keyClick(enterT, Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
        ++entered;
    }
    if ((window.game->TeamByNumber(team)->Mark(11) != before) != (entered % 2 == 1))
        state.SkipWithError("Enter did not invert the team's mark each time");
    if (counter.paints != entered) state.SkipWithError("the field was not painted once for each Enter");
}

void DigFieldRepaint(benchmark::State& state) {
    OpenWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) window.field->repaint();
}

}  // namespace

BENCHMARK(DigEnterTeam)->Arg(300)->Arg(500)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(DigFieldRepaint)->Arg(300)->Arg(500)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
