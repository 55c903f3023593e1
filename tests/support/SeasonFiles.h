// A small season of a league saved as game files, for the championship's
// tests and pictures: seven games of twelve teams, in the order of play.
#pragma once

#include <string>
#include <vector>

// Writes the games into `folder` as season1.qgm .. season7.qgm and returns
// their paths in order. "Знатоки" (Москва) plays all seven, spelled
// "ЗНАТОКИ" (МОСКВА) in the fourth; the others play four to six. Names run
// past 25 characters, towns are empty or one letter, a captain is missing.
std::vector<std::string> SaveSeason(const std::string& folder);
