#include "stats/TeamRatings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

double Average(double sum, double count) { return count == 0 ? sum : sum / count; }

// Up to 15 significant digits without trailing zeros, always in positional
// notation. The exponent notation a general format switches to below
// 0.00001 would be cut by the 6- and 7-character fields into a misleading
// number ("1.6666" of 1.6666E-7), so tiny differences read "0.0000".
std::string DecimalText(double value, char separator) {
    if (value == 0) return "0";
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));  // d.ddddddddddddddde+XX
    const std::size_t e = scientific.find('e');
    std::string digits = std::string(1, scientific[0]) + std::string(scientific.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+'), exponentText.data() + exponentText.size(), exponent);

    std::string text;
    if (exponent < 0) {
        text = "0" + std::string(1, separator) + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
        text = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        text = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + separator +
               digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return value < 0 ? "-" + text : text;
}

}  // namespace

TeamRatings::TeamRatings(const TVemoData& game) {
    const int questions = game.WindowQuestionCount();
    std::vector<int> ratings;
    int64_t gameSum = 0;
    for (int q = 0; q < questions; ++q) {
        ratings.push_back(game.QuestionRating(q));
        gameSum += ratings.back();
    }
    int64_t answerSum = 0;
    int64_t answers = 0;
    for (int i = 0; i < game.ActiveTeamCount(); ++i) {
        const TTeamData& team = *game.ActiveTeam(i);
        TeamSums sums{0, 0, 0};
        for (int q = 0; q < questions; ++q) {
            if (!team.Mark(q)) continue;
            sums.ratingSum += ratings[static_cast<std::size_t>(q)];
            sums.maxRating = std::max(sums.maxRating, ratings[static_cast<std::size_t>(q)]);
            ++sums.taken;
        }
        answerSum += sums.ratingSum;
        answers += sums.taken;
        FTeams.push_back(sums);
    }
    FGameAverage = Average(static_cast<double>(gameSum), questions);
    FTeamsAverage = Average(static_cast<double>(answerSum), static_cast<double>(answers));
}

TeamRatingFigures TeamRatings::Figures(int team) const {
    TeamRatingFigures figures;
    if (team < 0 || team >= Teams()) return figures;
    const TeamSums& sums = FTeams[static_cast<std::size_t>(team)];
    figures.MaxRating = sums.maxRating;
    figures.TeamAverage = Average(static_cast<double>(sums.ratingSum), sums.taken);
    figures.TeamsAverage = FTeamsAverage;
    figures.GameAverage = FGameAverage;
    figures.Difference = figures.TeamAverage - figures.TeamsAverage;
    return figures;
}

std::string AverageText(double value, char decimalSeparator) {
    return DecimalText(value, decimalSeparator).substr(0, 6);
}

DifferenceText DifferenceTextOf(double difference, char decimalSeparator) {
    const bool lead = difference >= 0;
    std::string text = lead ? "+" + DecimalText(difference, decimalSeparator).substr(0, 6)
                            : DecimalText(difference, decimalSeparator).substr(0, 7);
    text.insert(1, " ");
    return {text, lead};
}
