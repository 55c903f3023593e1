// The championship table from counted games: one row per championship team
// (teams of different games are the same team when their names and their
// towns are equal in upper case), the sums of each team's counted games,
// and the rows in table order with their places.
#pragma once

#include "champ/ChampSettings.h"
#include "champ/ChampTeamRec.h"
#include "model/VemoData.h"

#include <vector>

// The rows of `games` (already counted; the teams in view of each, in list
// order) sorted best first with their places. Rows are created in the order
// their teams first appear. Every game a team plays raises its Games; the
// games that count add the team's Score, RatScore and the PlacePoints of
// its place (1 to 10). In points mode every game played counts. In score
// mode a team's counted games are the first ExlGames of all games of the
// list ordered by score, then rating, best first, ties in list order, where
// a game the team did not play stands as 0 and 0 but never counts.
std::vector<ChampTeamRec> BuildChampTeams(const std::vector<const TVemoData*>& games, const ChampSettings& settings);

// Orders rows best first, keeping the order of rows that compare equal, and
// gives places 1, 2, 2, 4: by Score, then RatScore in score mode; by Points
// in points mode.
void SortChampTeams(std::vector<ChampTeamRec>& rows, bool countByScore);
