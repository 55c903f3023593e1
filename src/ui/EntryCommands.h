// Setting up the game: team registration, also run by New game. A
// confirmed registration replaces the game with the registered one through
// the game document, as one step of the history.
#pragma once

#include <memory>

class TVemoData;
struct MainParts;

class EntryCommands {
public:
    explicit EntryCommands(MainParts& parts) : FParts(parts) {}

    void ActRegisterExecute();

private:
    // The steps after a confirmed registration: the group in view and the
    // counted questions fitted to the new game, the replacement, and the
    // commands of a game with content.
    void TakeRegisteredGame(std::unique_ptr<TVemoData> game);

    MainParts& FParts;
};
