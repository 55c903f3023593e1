#include "stats/QuestionStats.h"

#include <algorithm>

QuestionRatings QuestionRatingsOf(const TVemoData& game) {
    QuestionRatings result;
    result.Teams = game.ActiveTeamCount();
    result.PlusOne = game.RatingPlusOne();
    for (int q = 0; q < game.WindowQuestionCount(); ++q) result.Ratings.push_back(game.QuestionRating(q));
    return result;
}

RatingRange RatingRangeOf(const QuestionRatings& ratings) {
    return ratings.PlusOne ? RatingRange{1, ratings.Teams + 1} : RatingRange{0, ratings.Teams};
}

std::vector<int> RatingHistogram(const QuestionRatings& ratings) {
    const RatingRange range = RatingRangeOf(ratings);
    std::vector<int> counts(static_cast<std::size_t>(range.Highest - range.Lowest + 1), 0);
    for (int r : ratings.Ratings)
        if (r >= range.Lowest && r <= range.Highest) ++counts[static_cast<std::size_t>(r - range.Lowest)];
    return counts;
}

int ChildQuestionCount(const QuestionRatings& ratings) {
    return static_cast<int>(std::count(ratings.Ratings.begin(), ratings.Ratings.end(), RatingRangeOf(ratings).Lowest));
}

int CoffinQuestionCount(const QuestionRatings& ratings) {
    return static_cast<int>(std::count(ratings.Ratings.begin(), ratings.Ratings.end(), RatingRangeOf(ratings).Highest));
}

PenaltyInterval PenaltyIntervalOf(int teams, bool plusOne, int enterMin, int enterMax) {
    if (plusOne) return {enterMax + 2, teams - enterMin};
    return {enterMax + 1, teams - enterMin - 1};
}

int PenaltyQuestionCount(const QuestionRatings& ratings, int enterMin, int enterMax) {
    const PenaltyInterval interval = PenaltyIntervalOf(ratings.Teams, ratings.PlusOne, enterMin, enterMax);
    return static_cast<int>(std::count_if(ratings.Ratings.begin(), ratings.Ratings.end(),
                                          [&](int r) { return interval.IsPenalty(r); }));
}
