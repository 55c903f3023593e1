// The game as one JSON object, for scripts that publish or check results.
#pragma once

#include "model/VemoData.h"

#include <string>

// UTF-8 JSON of the header, tours, groups and every team with its marks.
std::string GameToJson(const TVemoData& game);
