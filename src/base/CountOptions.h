// The four options a count runs by. The game counts by them, the program's
// configuration keeps them between runs, and the main window and vemoctl
// give them to every game they load; all start from these defaults.
#pragma once

struct CountOptions {
    // A question is rated by the teams that missed it, plus one ("Минусы + 1")
    // or not ("Нулевой").
    bool RatingPlusOne = true;
    // Teams equal in score and rating are told apart by the hardest
    // questions they took.
    bool HiRating = true;
    // The rating ranks before the score.
    bool SortByRating = false;
    // The teams' deposits are taken off their scores.
    bool DepositScore = false;

    bool operator==(const CountOptions&) const = default;
};
