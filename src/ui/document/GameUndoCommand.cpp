#include "ui/document/GameUndoCommand.h"

GameUndoCommand::GameUndoCommand(GameDocument& document, std::shared_ptr<GameStep> step,
                                 const QString& description, GameDocument::Recount recount)
    : QUndoCommand(description), FDocument(document), FStep(std::move(step)), FRecount(recount) {}

void GameUndoCommand::undo() { FDocument.Revert(*FStep); }

void GameUndoCommand::redo() {
    if (FDone) {
        FDone = false;
        return;
    }
    FDocument.Reapply(*FStep);
}
