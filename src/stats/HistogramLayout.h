// Where the rating histogram of TStatAllForm goes on its W x H picture: a
// grid of one column per rating value (n + 1 of them) and one row per
// question count up to the largest, centred, each cell at most 30 pixels;
// the bars; and which values get labels. The renderer draws what this
// says with the pictures' font ("MS Sans Serif", 8 points).
#pragma once

#include "stats/GraphArithmetic.h"

#include <optional>

// A bar's corners; Right and Bottom lie just outside it.
struct BarRect {
    int Left;
    int Top;
    int Right;
    int Bottom;
    bool operator==(const BarRect&) const = default;
};

struct HistogramLayout {
    double ColumnWidth;  // cw, whole pixels unless below one (CellSize)
    double RowHeight;    // rh, likewise
    int X0;           // the grid's left edge
    int Y0;           // the grid's top edge
    int Columns;      // rating values, n + 1
    int Top;          // the largest count
    int ValueStep;    // counts labelled: multiples of it, 1 to Top
    int RatingStep;   // rating values labelled: multiples of it; value v is column v - RatingRange::Lowest

    // Vertical grid lines i = 0 to Columns, from Y0 to GridBottom().
    int ColumnX(int i) const { return X0 + CellOffset(i, ColumnWidth); }
    int GridBottom() const { return CountY(0); }
    // Horizontal grid lines for counts 0 to Top, from X0 to HorizontalLineEnd();
    // a count's label is centred on its line.
    int CountY(int count) const { return Y0 + CellOffset(Top - count, RowHeight); }
    int HorizontalLineEnd() const { return ColumnX(Columns) + 1; }
    // The bar of the k-th rating value (from 0) with `count` questions;
    // drawn as a shadow, then moved one pixel left and up.
    BarRect Bar(int k, int count) const { return {ColumnX(k), CountY(count), ColumnX(k + 1), GridBottom()}; }
};

// None when there is no question to show (top is 0): nothing is drawn and
// the picture keeps what it had.
std::optional<HistogramLayout> LayOutHistogram(int width, int height, const DigitExtents& font, int teams, int top);
