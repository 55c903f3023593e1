// What the game document adds to a change, and what its history holds.
//
// DocumentEdit: one toggled mark through GameDocument::Edit without the
// count and without a table: the undo recording (the delta against the
// recorded game, the step pushed) and, with the journal, its arming of the
// delay. Against WindowToggle it is the share of undo and journal in the
// click-to-repaint path.
// JournalSnapshot: the recovery file's bytes, made on the window's thread
// when the journal's delay runs out, off the click-to-repaint path (the
// write itself runs on the journal's thread).
// History: the bytes of 100 steps of each kind, and of the recorded copy of
// the game the history keeps beside them.
#include "DoubleClickBench.h"
#include "model/GameDelta.h"
#include "model/RecoveryFile.h"
#include "support/TempDir.h"
#include "ui/document/GameDocument.h"
#include "ui/document/RecoveryJournal.h"

#include <memory>

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

void Toggle(TTeamData& team, int q) { team.SetMark(q, team.Mark(q) ? 0 : 1); }

// Step by step over teams far apart and over every question.
void Toggle(TVemoData& game, int step) {
    Toggle(*game.TeamByIndex(step * 7919 % game.TeamCount()), step % game.QuestionCount());
}

void DocumentEdit(benchmark::State& state) {
    const bool journal = state.range(2) != 0;
    TempDir folder;
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(folder.File("state")));
    GameDocument document;
    document.Open(ArgumentGame(state), {});
    std::unique_ptr<RecoveryJournal> recovery;
    if (journal) {
        recovery = std::make_unique<RecoveryJournal>(document);
        recovery->Start();
    }
    int step = 0;
    for (auto _ : state) {
        document.Edit(QStringLiteral("Ответ"), [step](TVemoData& game) { Toggle(game, step); },
                      GameDocument::Recount::Never);
        ++step;
    }
    if (recovery) recovery->Discard();
    state.SetLabel(journal ? "undo and journal" : "undo");
}

void JournalSnapshot(benchmark::State& state) {
    const auto game = ArgumentGame(state);
    const RecoveryInfo info{"/home/scorer/game.qgm", true, game->QuestionCount()};
    std::size_t bytes = 0;
    for (auto _ : state) bytes = RecoveryFileBytes(*game, info).size();
    state.counters["file_KiB"] = static_cast<double>(bytes) / 1024.0;
}

// 100 steps of one kind on a game of the benchmark's size.
void History(benchmark::State& state) {
    enum Kind { Toggles, WholeQuestions, Replacements };
    const auto kind = static_cast<Kind>(state.range(2));
    static const char* const kLabels[] = {"toggles", "whole questions", "replacements"};
    for (auto _ : state) {
        GameDocument document;
        document.Open(ArgumentGame(state), {});
        for (int step = 0; step < GameDocument::kHistorySteps; ++step) {
            switch (kind) {
                case Toggles:
                    document.Edit(QStringLiteral("Ответ"), [step](TVemoData& g) { Toggle(g, step); });
                    break;
                case WholeQuestions:
                    document.Edit(QStringLiteral("Инверсия"), [step](TVemoData& g) {
                        for (int i = 0; i < g.TeamCount(); ++i) Toggle(*g.TeamByIndex(i), step % g.QuestionCount());
                    });
                    break;
                case Replacements:
                    document.Replace(TVemoData::CreateCopy(document.Game()), QStringLiteral("Регистрация команд"));
                    break;
            }
        }
        state.counters["steps"] = document.History().count();
        state.counters["history_MiB"] = static_cast<double>(document.HistoryBytes()) / kMiB;
        state.counters["recorded_copy_MiB"] = static_cast<double>(HeldBytes(document.Game())) / kMiB;
    }
    state.SetLabel(kLabels[kind]);
}

void Sizes(benchmark::internal::Benchmark* b, std::initializer_list<int> thirds) {
    for (auto size : {std::pair{1000, 48}, std::pair{5000, 90}})
        for (int third : thirds) b->Args({size.first, size.second, third});
}

}  // namespace

BENCHMARK(DocumentEdit)->Apply([](auto* b) { Sizes(b, {0, 1}); })->Unit(benchmark::kMicrosecond);
BENCHMARK(JournalSnapshot)->Apply([](auto* b) { Sizes(b, {0}); })->Unit(benchmark::kMillisecond);
BENCHMARK(History)->Apply([](auto* b) { Sizes(b, {0, 1, 2}); })->Unit(benchmark::kMillisecond)->Iterations(1);
