// The counted standings as the published results show them: the teams in
// view in place order, shared places as ranges, each tour's score and the
// team's answers as a string of "1" and "0" (the form rating sites take).
#pragma once

#include "output/ReportData.h"

#include <string>
#include <vector>

struct PublishRow {
    int number = 0;
    // The place the team shares with the teams beside it ("2"), and its
    // range among them ("2-3"); 0 and "" for a game never counted.
    int place = 0;
    std::string placeRange;
    std::string name;  // Windows-1251, as the game holds it
    std::string town;
    int score = 0;
    int ratScore = 0;
    // The questions taken in each tour of ReportData::tours.
    std::vector<int> tourScores;
    // "1" or "0" for every counted question of the window: the questions
    // after the last counted one are left out, as their answers are not
    // yet given out.
    std::string marks;
};

std::vector<PublishRow> PublishRows(const ReportData& data);

// The heading of tour t's column: its name, or "Тур N" for a tour without
// one (Windows-1251).
std::string TourHeading(const ReportData& data, int t);
