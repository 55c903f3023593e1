// What the hall sees and asks about: the full-screen results board, the
// statistics of the game's questions and those of one team.
#pragma once

struct MainParts;

class HallCommands {
public:
    explicit HallCommands(MainParts& parts) : FParts(parts) {}

    void ActScrResultsExecute();
    void ActStatAllExecute();
    // Starts at the team of the visible grid's current row.
    void ActStatTeamExecute();

private:
    MainParts& FParts;
};
