// Arithmetic shared by the two statistics pictures: rounding of
// coordinates, the steps between axis labels and the extents of the
// drawing font the layouts are computed from.
#pragma once

#include "base/Rounding.h"

#include <vector>

// The extents of the pictures' font, measured by the renderer.
struct DigitExtents {
    int ZeroWidth = 0;        // width of "0"
    int ZeroHeight = 0;       // height of "0"
    int ThreeZerosWidth = 0;  // width of "000"
};

// The step between labelled axis values, from a first guess: lowered by one
// while above 1 and not a multiple of 5; 0 becomes 1. So 40 questions
// (40 / 8 = 5) are labelled every 5, 12 questions (12 / 8 = 1) every one.
int LabelStep(int start);

// The size of each of `count` cells sharing `room` pixels: the whole pixels
// each gets, at most `largest`. Below one pixel it is the exact fraction,
// so that more ratings or places than pixels still spread over the picture
// (and their labels stay apart) instead of falling onto one line.
double CellSize(int room, int count, int largest);
// Where cell i starts, counted from the grid's edge.
inline int CellOffset(int i, double size) { return RoundHalfEven(i * size); }

// The values from `first` to `last` that are multiples of `step`.
std::vector<int> LabelledValues(int first, int last, int step);
