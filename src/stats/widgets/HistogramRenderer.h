// The rating histogram of the question statistics: how many questions got
// each rating of the range, as bars on a grid, with the ratings under the
// grid and the counts on its left. With no question nothing is drawn and
// the surface keeps what it had.
#pragma once

#include "stats/QuestionStats.h"

class QPainter;

void RenderRatingHistogram(QPainter& painter, int width, int height, const QuestionRatings& ratings);
