// The figures of the question statistics window TStatAllForm: the counts
// of the rating histogram, the questions every team took ("детские") and
// those no team took ("гробы"), and the penalty questions between the two
// thresholds the user sets.
#pragma once

#include "model/VemoData.h"

#include <vector>

// What the figures are computed from.
struct QuestionRatings {
    std::vector<int> Ratings;  // QuestionRating of each question of the view
    int Teams = 0;             // n, the teams in view
    bool PlusOne = false;      // RatingPlusOne: ratings run 1..n + 1 instead of 0..n
};

// The ratings of every question of the game's view (the current tour or
// the whole game, not cut at LastQuestion) over its teams in view.
QuestionRatings QuestionRatingsOf(const TVemoData& game);

struct RatingRange {
    int Lowest;   // the rating of a question every team took
    int Highest;  // the rating of a question no team took
};
RatingRange RatingRangeOf(const QuestionRatings& ratings);

// The number of questions of each rating value, Lowest first (n + 1 values).
std::vector<int> RatingHistogram(const QuestionRatings& ratings);

int ChildQuestionCount(const QuestionRatings& ratings);   // OutChild
int CoffinQuestionCount(const QuestionRatings& ratings);  // OutCoffin

// A question is a penalty question when its rating lies outside Lo..Hi,
// that is when at most EnterMin teams took it or at most EnterMax teams
// failed it. When Hi < Lo every question is one.
struct PenaltyInterval {
    int Lo;
    int Hi;
    bool IsPenalty(int rating) const { return rating < Lo || rating > Hi; }
};
PenaltyInterval PenaltyIntervalOf(int teams, bool plusOne, int enterMin, int enterMax);

// OutPenalty; 0 for a view without questions.
int PenaltyQuestionCount(const QuestionRatings& ratings, int enterMin, int enterMax);
