// From a change of the game to its standings written in the live page's
// folder, after a quiet moment, as when a scorer marks one answer: the
// page must show the change within a second.
#include "DoubleClickBench.h"
#include "support/TempDir.h"
#include "ui/LivePage.h"
#include "ui/document/GameDocument.h"

#include <QSignalSpy>

namespace {

void LivePageWrite(benchmark::State& state) {
    TempDir folder;
    GameDocument document;
    document.Open(ArgumentGame(state), {});
    LivePage page(document);
    QSignalSpy written(&page, &LivePage::Written);
    page.Start(QString::fromStdString(folder.Path().string()));
    if (!written.wait(5000)) {
        state.SkipWithError("the first page was never written");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTest::qWait(LivePage::kGapMs);
        state.ResumeTiming();
        document.Edit(QStringLiteral("Ответ"), [step](TVemoData& game) {
            TTeamData& team = *game.TeamByIndex(step % game.TeamCount());
            team.SetMark(step % game.QuestionCount(), team.Mark(step % game.QuestionCount()) ? 0 : 1);
        }, GameDocument::Recount::IfAutomatic);
        if (!written.wait(5000)) {
            state.SkipWithError("a change was never written");
            return;
        }
        ++step;
    }
    page.Stop();
}

}  // namespace

BENCHMARK(LivePageWrite)->Args({300, 48, 1})->Args({5000, 90, 1})->Iterations(5)->Unit(benchmark::kMillisecond);
