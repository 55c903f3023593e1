// The game's file: new, open, save, save as, the prompt to save changes,
// loading a game from a path (also the command line's), and the offer to
// bring back the game of a crashed run.
#pragma once

#include <QString>

#include <memory>

class TVemoData;
struct MainParts;

class FileCommands {
public:
    explicit FileCommands(MainParts& parts) : FParts(parts) {}

    void ActNewExecute();
    void ActOpenFileExecute();
    void ActSaveFileExecute();
    void ActSaveAsFileExecute();

    // Asks whether to save a changed game. False when the user cancelled,
    // or answered Yes and the game was not saved (the save failed or its
    // dialog was cancelled): the scorer's results are never dropped unsaved.
    bool SaveChangesPrompt();
    // Replaces the game with the file's; false (and an empty game) when it is
    // no game file. A damaged file throws after leaving the empty game.
    bool LoadGame(const QString& path);
    // When a crashed run left its game, asks whether to bring it back and
    // does so; true when the game was brought back. A damaged recovery file
    // is reported and removed.
    bool OfferRecovery();

private:
    bool SaveGame();
    bool SaveGameAs();
    void ShowEmptyGame();
    // The loaded game in the window, as after Open (without the count).
    void ShowGame(std::unique_ptr<TVemoData> game, const QString& path, bool modified);
    bool WriteGame(const QString& path);
    bool RestoreRecoveryFile();

    MainParts& FParts;
};
