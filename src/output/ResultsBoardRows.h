// What the full-screen results board TFormResults shows: the heading of
// the band (title, date, the question the standings hold after) and one
// row per team in view with its counted results and how many places it
// moved since the previous question, in the order of places.
#pragma once

#include "model/VemoData.h"

#include <cstdint>
#include <string>
#include <vector>

struct BoardRow {
    std::string Name;  // Windows-1251
    std::string Town;
    int32_t Score = 0;
    int32_t RatScore = 0;
    int32_t Place = 0;
    // The place after the previous question minus the place now: above 0
    // the team rose, below 0 it fell; 0 without a previous question.
    int32_t Movement = 0;
    bool operator==(const BoardRow&) const = default;
};

struct BoardHeading {
    std::string Title;  // CurrentTourName, Windows-1251
    std::string Date;   // GameDateText
    int LastQuestion = 0;
};

struct ResultsBoard {
    BoardHeading Heading;
    std::vector<BoardRow> Rows;
};

// The rows are the teams in view with their results as last counted. When
// the results hold after question 2 or later, the game is counted once
// more as of the question before, and every team's place then is written
// into the first row with the team's name and town (exact bytes), so two
// teams of the same name and town both land on the first of their rows.
// Rows are then ordered by place; equal places keep the order of the teams
// in view. The game's LastQuestion and every team's counted results are
// left exactly as they were before the call.
ResultsBoard BuildResultsBoard(TVemoData& game);
