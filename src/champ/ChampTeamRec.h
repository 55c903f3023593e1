// One row of the championship table, as the championship window shows it
// and the outputs of information type 4 (report, pages, workbook) write it.
#pragma once

#include "champ/ChampSettings.h"

#include <cstdint>
#include <string>

struct ChampTeamRec {
    std::string Name;     // as met first, Windows-1251
    std::string Town;     // as met first
    std::string Captain;  // as met first
    std::string Trainer;  // as met first
    int32_t Score = 0;     // sum of the team's scores over its counted games
    int32_t RatScore = 0;  // sum of its rating scores over its counted games
    int32_t Games = 0;     // games the team played
    int32_t Place = 0;     // place in the championship
    int32_t Points = 0;    // sum of the place points over its counted games

    bool operator==(const ChampTeamRec&) const = default;
};

// The games column: in score mode, when the team played more games than
// count, "3(5)" (ExlGames, then the games played); otherwise "5".
std::string ChampGamesText(const ChampTeamRec& row, const ChampSettings& settings);

// The result column: score mode "Score" + separator + "RatScore" (the table
// writes "45/160", the pages and the workbook "45 / 160"); points mode "Points".
std::string ChampResultText(const ChampTeamRec& row, bool countByScore, const std::string& separator);
