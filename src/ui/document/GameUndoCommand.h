// One step of the game's undo history and the command that keeps it on the
// QUndoStack. An edit in place keeps what it changed (a GameDelta); a
// replacement keeps the game on the other side of it and swaps it in.
#pragma once

#include "model/GameDelta.h"
#include "ui/document/GameDocument.h"

#include <QUndoCommand>

#include <memory>
#include <optional>

struct GameStep {
    std::optional<GameDelta> delta;
    std::unique_ptr<TVemoData> other;
    // Measured when the step is made and after each swap, so that bounding
    // the history after a click does not walk every kept game.
    std::size_t bytes = 0;

    void Measure() { bytes = delta ? delta->Bytes() : HeldBytes(*other); }
};

class GameUndoCommand : public QUndoCommand {
public:
    // The step has been done already: the stack's first redo does nothing.
    GameUndoCommand(GameDocument& document, std::shared_ptr<GameStep> step, const QString& description,
                    GameDocument::Recount recount);

    void undo() override;
    void redo() override;

    const std::shared_ptr<GameStep>& Step() const { return FStep; }
    GameDocument::Recount Recount() const { return FRecount; }

private:
    GameDocument& FDocument;
    std::shared_ptr<GameStep> FStep;
    GameDocument::Recount FRecount;
    bool FDone = true;
};
