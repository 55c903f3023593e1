#include "entry/DigFieldLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond any size a real font reaches before "OO" is 40 pixels wide; only
// a measure that never grows would get there.
constexpr int kSizeBound = 1000;
constexpr int kSampleWidthCap = 40;

int WholeSquareRoot(double value) { return static_cast<int>(std::sqrt(value)); }

}  // namespace

int DigFieldLayout::PositionAt(int x, int y) const {
    if (CellWidth <= 0 || CellHeight <= 0 || x < 0 || y < 0) return 0;
    const int column = x / CellWidth;
    const int row = y / CellHeight;
    if (column >= Columns || row >= Rows) return 0;
    return row * Columns + column + 1;
}

DigFieldLayout LayOutDigField(int count, int width, int height) {
    DigFieldLayout layout;
    if (width <= 0 || height <= 0) return layout;
    const double n = std::max(count, 0);
    layout.Columns = WholeSquareRoot(n * width / height) + 1;
    layout.Rows = WholeSquareRoot(n * height / width) + 1;
    layout.CellWidth = width / layout.Columns;
    layout.CellHeight = height / layout.Rows;
    return layout;
}

int DigFontSize(const TextMeasure& measure, int cellWidth, int cellHeight, std::string_view widthSample) {
    const auto fits = [&](int size) {
        return measure(size, widthSample).Width <= cellWidth && measure(size, "O").Height <= cellHeight &&
               measure(size, "OO").Width < kSampleWidthCap;
    };
    int size = 0;
    while (size < kSizeBound && fits(size)) ++size;
    return std::max(size - 1, 1);
}

std::string DigWidthSample(std::string_view minimum, int largest) {
    const std::size_t digits = std::to_string(std::max(largest, 0)).size();
    return std::string(std::max(minimum.size(), digits), 'O');
}
