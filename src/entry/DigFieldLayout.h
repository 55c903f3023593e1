// The number field of the quick entry window: how N numbers share a W x H
// surface (columns, rows and cell size), which cell the pointer is over,
// where a number stands in its cell, and the largest font that fits a
// cell, found through a text-measuring callback so that it is computed
// without a painter.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct DigFieldLayout {
    int Columns = 1;
    int Rows = 1;
    int CellWidth = 0;
    int CellHeight = 0;

    // Top-left corner of the cell of 1-based position p; positions run row
    // by row, left to right.
    int CellLeft(int p) const { return (p - 1) % Columns * CellWidth; }
    int CellTop(int p) const { return (p - 1) / Columns * CellHeight; }
    // The 1-based position of the cell under (x, y); 0 where no cell is (the
    // strips right of the last column and below the last row, which the
    // whole division of the surface leaves over).
    int PositionAt(int x, int y) const;
    // Where a text of the given extent starts so that it is centred in the
    // cell of position p (halves towards zero).
    int TextLeft(int p, int textWidth) const { return (CellWidth - textWidth) / 2 + CellLeft(p); }
    int TextTop(int p, int textHeight) const { return (CellHeight - textHeight) / 2 + CellTop(p); }
};

// Columns = whole part of sqrt(N * W / H) + 1, rows = whole part of
// sqrt(N * H / W) + 1, cells W div columns by H div rows. A surface
// without area has one empty cell.
DigFieldLayout LayOutDigField(int count, int width, int height);

struct TextExtent {
    int Width;
    int Height;
};
// The extent of `text` in the field's font at `size` (a font size given as
// the cell height in pixels).
using TextMeasure = std::function<TextExtent(int size, std::string_view text)>;

// The largest size at which `widthSample` ("OO" for team numbers, "OOO" for
// question numbers) fits the cell's width, "O" its height, and "OO" stays
// below 40 pixels: the size grows from 0 while all three hold, then steps
// back by one; never below 1.
int DigFontSize(const TextMeasure& measure, int cellWidth, int cellHeight, std::string_view widthSample);

// The width sample for numbers up to `largest`: `minimum`, or one "O" per
// digit of `largest` when that is longer. Sized on "OO" alone, the
// three-digit numbers of a big hall run into each other.
std::string DigWidthSample(std::string_view minimum, int largest);
