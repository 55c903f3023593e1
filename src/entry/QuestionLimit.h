// A game holds at most 65535 questions. The tours editor refuses a count
// that would pass it before anything changes.
#pragma once

#include <cstdint>

class TVemoData;

// Whether tour `tour` (0-based; TourCount() for a tour about to be added)
// may hold `count` questions.
bool FitsQuestionLimit(const TVemoData& game, int tour, int64_t count);
