// Games for the output tests, built through the model's own operations.
#pragma once

#include "champ/Championship.h"
#include "model/VemoData.h"

#include <memory>
#include <string>

// Windows-1251 from a UTF-8 literal.
std::string Ansi(const char* utf8);

// Twelve teams over 105 questions in two tours (60 and 45), counted with
// plus-one ratings and deposits: long names and captains, one-letter and
// empty towns, a team that took nothing, negative scores, a team that took
// every question.
std::unique_ptr<TVemoData> ShowcaseGame();

// `teams` teams named "T1".. over `questions` questions, team t taking
// question q when (q + t) % (t % 4 + 2) == 0; counted.
std::unique_ptr<TVemoData> PatternGame(int teams, int questions);

// The season of support/SeasonFiles saved in `folder` and added to a
// championship counted as `settings` say.
Championship SeasonChampionship(const std::string& folder, const ChampSettings& settings);
