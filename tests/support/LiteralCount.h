// The count exactly as the program's rules word it: ratings per question,
// scores, and an insertion sort from the right with the pairwise team
// comparison, built from the model's public operations only. It is the
// reference the fast count must agree with, and far too slow for large games.
#pragma once

#include "model/VemoData.h"

// Writes Score, RatScore, TotalTaken, Place and SortPos of the teams in view.
void LiteralCountResult(TVemoData& game);
