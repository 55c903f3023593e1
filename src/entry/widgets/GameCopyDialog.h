// The base of the setup editors (registration, tours, groups): each works on
// its own copy of the game it is given, so that Cancel needs no undoing, and
// the caller takes that copy when the editor was accepted.
#pragma once

#include "model/VemoData.h"
#include "ui/platform/ProgramDialog.h"

#include <memory>

class GameCopyDialog : public ProgramDialog {
public:
    GameCopyDialog(TVemoData& game, QWidget* parent, int helpTopic)
        : ProgramDialog(parent, helpTopic), FGame(TVemoData::CreateCopy(game)) {}

    bool Accepted() const { return FAccepted; }
    // The working copy; the caller takes it after an accepted editor.
    TVemoData& Game() const { return *FGame; }
    std::unique_ptr<TVemoData> TakeGame() { return std::move(FGame); }

protected:
    std::unique_ptr<TVemoData> FGame;
    bool FAccepted = false;
};
