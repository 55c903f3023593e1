#include "ui/document/GameDocument.h"

#include "model/VemoData.h"
#include "ui/document/GameUndoCommand.h"

#include <utility>
#include <vector>

namespace {

const GameUndoCommand& CommandAt(const QUndoStack& history, int index) {
    return *static_cast<const GameUndoCommand*>(history.command(index));
}

}  // namespace

GameDocument::GameDocument(QObject* parent)
    : QObject(parent),
      FGame(std::make_unique<TVemoData>()),
      FRecorded(FGame->Clone()),
      FCountOptions([] { return CountOptions{}; }),
      FAutomaticCount([] { return true; }) {
    FHistory.setUndoLimit(kHistorySteps);
    connect(&FHistory, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!FRebuildingHistory) emit ModifiedChanged(!clean);
    });
}

// The commands refer to the document, so they go first, without a word to
// the followers, which may be half gone themselves.
GameDocument::~GameDocument() {
    blockSignals(true);
    FHistory.blockSignals(true);
    FHistory.clear();
}

void GameDocument::SetCountSource(std::function<CountOptions()> options, std::function<bool()> automatic) {
    FCountOptions = std::move(options);
    FAutomaticCount = std::move(automatic);
}

std::unique_ptr<TVemoData> GameDocument::NewGame() const {
    auto game = std::make_unique<TVemoData>();
    TakeIn(*game);
    return game;
}

void GameDocument::TakeIn(TVemoData& game) const { game.SetCountOptions(FCountOptions()); }

// An edit inside an edit (an automation call while quick entry is open)
// belongs to the outer one. What the change did before it threw is still
// recorded and counted, so the history never loses sight of the game.
void GameDocument::Edit(const QString& description, const std::function<void(TVemoData&)>& change,
                        Recount recount) {
    if (FEditDepth > 0) {
        change(*FGame);
        return;
    }
    const TGameValues valuesBefore = FGame->Values();
    ++FEditDepth;
    try {
        change(*FGame);
    } catch (...) {
        --FEditDepth;
        RecordEdit(description, recount, valuesBefore);
        FinishChange(recount);
        throw;
    }
    --FEditDepth;
    RecordEdit(description, recount, valuesBefore);
    FinishChange(recount);
}

// Marks and values of the same teams become a delta; a change of the teams,
// groups or questions keeps the whole game before it.
void GameDocument::RecordEdit(const QString& description, Recount recount, const TGameValues& valuesBefore) {
    auto step = std::make_shared<GameStep>();
    step->delta = GameDelta::Between(*FRecorded, valuesBefore, *FGame);
    if (step->delta) {
        if (step->delta->Empty()) return;
        step->delta->Redo(*FRecorded);
    } else {
        FRecorded->RestoreValues(valuesBefore);
        step->other = std::exchange(FRecorded, FGame->Clone());
    }
    Record(description, recount, std::move(step));
}

bool GameDocument::Replace(std::unique_ptr<TVemoData> game, const QString& description, Recount recount) {
    if (FEditDepth > 0) return false;
    TakeIn(*game);
    auto step = std::make_shared<GameStep>();
    step->other = std::exchange(FGame, std::move(game));
    FRecorded = FGame->Clone();
    Record(description, recount, std::move(step));
    FinishChange(recount);
    return true;
}

void GameDocument::Open(std::unique_ptr<TVemoData> game, const QString& fileName, bool modified) {
    TakeIn(*game);
    FGame = std::move(game);
    FRecorded = FGame->Clone();
    FFileName = fileName;
    FHistory.clear();
    if (modified) FHistory.resetClean();
    emit Changed();
}

void GameDocument::SetSaved(const QString& fileName) {
    FFileName = fileName;
    FHistory.setClean();
}

void GameDocument::Record(const QString& description, Recount recount, std::shared_ptr<GameStep> step) {
    step->Measure();
    FHistory.push(new GameUndoCommand(*this, std::move(step), description, recount));
    TrimHistory();
}

void GameDocument::FinishChange(Recount recount) {
    if (recount == Recount::IfAutomatic && FAutomaticCount()) FGame->CountResult();
    emit Changed();
}

void GameDocument::Undo() { Step(true); }

void GameDocument::Redo() { Step(false); }

// The tail of an undone or redone step is the tail the step had.
void GameDocument::Step(bool undo) {
    if (FEditDepth > 0 || !(undo ? FHistory.canUndo() : FHistory.canRedo())) return;
    const int index = undo ? FHistory.index() - 1 : FHistory.index();
    const Recount recount = CommandAt(FHistory, index).Recount();
    if (undo) FHistory.undo();
    else FHistory.redo();
    FinishChange(recount);
}

void GameDocument::Revert(GameStep& step) {
    if (step.delta) {
        step.delta->Undo(*FGame);
        step.delta->Undo(*FRecorded);
        return;
    }
    std::swap(FGame, step.other);
    step.Measure();
    TakeIn(*FGame);
    FRecorded = FGame->Clone();
}

void GameDocument::Reapply(GameStep& step) {
    if (step.delta) {
        step.delta->Redo(*FGame);
        step.delta->Redo(*FRecorded);
        return;
    }
    Revert(step);  // a swap is its own inverse
}

std::size_t GameDocument::HistoryBytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < FHistory.count(); ++i)
        bytes += CommandAt(FHistory, i).Step()->bytes;
    return bytes;
}

// QUndoStack bounds the number of steps but not their size, and cannot drop
// its oldest steps once it has any. So when the steps outgrow their bytes,
// the newest ones that fit are pushed again onto an empty stack, with the
// saved state where it was (or nowhere, when it was among the dropped).
void GameDocument::TrimHistory() {
    const int count = FHistory.count();
    int first = count - 1;
    std::size_t bytes = CommandAt(FHistory, first).Step()->bytes;
    while (first > 0) {
        const std::size_t next = CommandAt(FHistory, first - 1).Step()->bytes;
        if (bytes + next > kHistoryBytes) break;
        bytes += next;
        --first;
    }
    if (first == 0) return;

    struct Kept {
        std::shared_ptr<GameStep> step;
        QString text;
        Recount recount;
    };
    std::vector<Kept> kept;
    for (int i = first; i < count; ++i) {
        const GameUndoCommand& command = CommandAt(FHistory, i);
        kept.push_back({command.Step(), command.text(), command.Recount()});
    }
    const int clean = FHistory.cleanIndex();
    const bool modified = Modified();
    FRebuildingHistory = true;
    FHistory.clear();
    for (std::size_t k = 0; k < kept.size(); ++k) {
        if (clean == first + static_cast<int>(k)) FHistory.setClean();
        FHistory.push(new GameUndoCommand(*this, kept[k].step, kept[k].text, kept[k].recount));
    }
    if (clean == count) FHistory.setClean();
    else if (clean < first) FHistory.resetClean();
    FRebuildingHistory = false;
    if (Modified() != modified) emit ModifiedChanged(Modified());
}
