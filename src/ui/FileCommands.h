// The game's file: new, open, save, save as, the prompt to save changes,
// and loading a game from a path (also the command line's).
#pragma once

#include <QString>

struct MainParts;

class FileCommands {
public:
    explicit FileCommands(MainParts& parts) : FParts(parts) {}

    void ActNewExecute();
    void ActOpenFileExecute();
    void ActSaveFileExecute();
    void ActSaveAsFileExecute();

    // Asks whether to save a changed game; false when the user cancelled.
    bool SaveChangesPrompt();
    // Replaces the game with the file's; false (and an empty game) when it is
    // no game file. A damaged file throws after leaving the empty game.
    bool LoadGame(const QString& path);

private:
    void ShowEmptyGame();
    bool WriteGame(const QString& path);

    MainParts& FParts;
};
