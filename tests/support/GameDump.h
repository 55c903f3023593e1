// Everything a game holds as one text: vemoctl's JSON dump and, after it,
// what the dump leaves out (the file name, the count options, the last
// question, the tour's first question, every team's results and the teams
// in view). Two games with equal dumps are equal in every field.
#pragma once

#include "model/VemoData.h"

#include <string>

std::string FullGameDump(const TVemoData& game);
