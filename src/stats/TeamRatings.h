// The rating figures of TStatTeamForm: how hard the questions a team took
// were, beside the game's questions and all taken answers, and the texts
// the window shows them in.
#pragma once

#include "model/VemoData.h"

#include <cstdint>
#include <string>
#include <vector>

struct TeamRatingFigures {
    int MaxRating = 0;          // OutMaxRat: highest rating among the questions taken, 0 when none
    double TeamAverage = 0;     // OutAvRat: the ratings of its taken questions over their number
    double TeamsAverage = 0;    // OutAvTRat: the ratings of all taken answers over their number
    double GameAverage = 0;     // OutAvGRat: the ratings of all questions over their number
    double Difference = 0;      // OutDiff: TeamAverage - TeamsAverage
};

// Reads the game once: every question of the view (not cut at
// LastQuestion) with its rating, and the teams in view with their marks. A
// team's average is over the questions it took, as the sum is: its score
// would count deposits and stop at LastQuestion, and then give averages
// above every rating or below zero. A divisor of 0 leaves its sum as the
// average, so a team that took nothing has average 0 and a view without
// questions shows 0 everywhere.
class TeamRatings {
public:
    explicit TeamRatings(const TVemoData& game);

    int Teams() const { return static_cast<int>(FTeams.size()); }
    // The team at `team` among the teams in view; zeros for a team out of range.
    TeamRatingFigures Figures(int team) const;

private:
    struct TeamSums {
        int64_t ratingSum;
        int maxRating;
        int taken;
    };
    std::vector<TeamSums> FTeams;
    double FGameAverage = 0;
    double FTeamsAverage = 0;
};

// An average as the window shows it: the decimal form with up to 15
// significant digits and the caller's (the system's) decimal separator,
// cut to its first 6 characters ("2,3333", "12,5").
std::string AverageText(double value, char decimalSeparator);

struct DifferenceText {
    std::string Text;  // "+ 0,25", "- 1,3333": sign, space, the first 6 characters of the value
    bool Lead;         // true (green) when the difference is 0 or more, false (red) otherwise
};
DifferenceText DifferenceTextOf(double difference, char decimalSeparator);
