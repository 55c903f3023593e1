// The columns of the list editors share the grid's client width by fixed
// fractions, so the columns fill the grid whatever its width.
#pragma once

#include <span>
#include <vector>

// Each fraction of (clientWidth - 3), rounded to the nearest pixel (halves
// to the even neighbour).
std::vector<int> ColumnWidths(int clientWidth, std::span<const double> fractions);
