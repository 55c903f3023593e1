#include "entry/ColumnWidths.h"

#include "base/Rounding.h"

std::vector<int> ColumnWidths(int clientWidth, std::span<const double> fractions) {
    std::vector<int> widths;
    widths.reserve(fractions.size());
    for (double fraction : fractions) widths.push_back(RoundHalfEven((clientWidth - 3) * fraction));
    return widths;
}
