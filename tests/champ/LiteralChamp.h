// The championship table exactly as the program's rules word it: each
// team's row found by scanning the rows, its counted games worked out anew
// for every game it appears in, and the rows sorted by adjacent exchanges.
// It is the reference the program's table must agree with, and far too
// slow for large championships.
#pragma once

#include "champ/ChampSettings.h"
#include "champ/ChampTeamRec.h"
#include "model/VemoData.h"

#include <vector>

std::vector<ChampTeamRec> LiteralChampTeams(const std::vector<const TVemoData*>& games, const ChampSettings& settings);
