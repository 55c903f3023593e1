#include "champ/ChampTeamRec.h"

std::string ChampGamesText(const ChampTeamRec& row, const ChampSettings& settings) {
    if (settings.CountByScore && row.Games > settings.ExlGames)
        return std::to_string(settings.ExlGames) + "(" + std::to_string(row.Games) + ")";
    return std::to_string(row.Games);
}

std::string ChampResultText(const ChampTeamRec& row, bool countByScore, const std::string& separator) {
    if (!countByScore) return std::to_string(row.Points);
    return std::to_string(row.Score) + separator + std::to_string(row.RatScore);
}
