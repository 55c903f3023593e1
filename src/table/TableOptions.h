// What the game table shows: the row order and which team columns and
// header rows it has. The main window fills it from its check actions.
#pragma once

struct TableOptions {
    bool Sorting = true;        // rows in the order of the last count, else by team number
    bool OutRating = true;      // a second header row with the question ratings
    bool OutNTeam = true;
    bool OutTeam = true;
    bool OutTown = true;
    bool OutCapt = false;
    bool OutCoach = false;
    bool OutPlace = false;
    bool OutScore = true;
    bool OutSumRating = true;
    bool OutQuest = true;
};
