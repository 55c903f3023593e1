#include "output/ResultsBoardLayout.h"

#include "base/Rounding.h"

#include <algorithm>

namespace {

// The share of the width each column starts at, and where the next one does.
double StartOf(BoardColumn column) {
    switch (column) {
        case BoardColumn::Place: return 0.03;
        case BoardColumn::Team: return 0.15;
        case BoardColumn::Town: return 0.6;
        case BoardColumn::Score: break;
    }
    return 0.85;
}

constexpr double kArrowLeft = 0.08;
constexpr double kArrowRight = 0.11;
constexpr double kMoveLeft = 0.115;

}  // namespace

int BoardBandHeight(int windowHeight) { return windowHeight / 7; }

BoardTableLayout::BoardTableLayout(int width, int height, int firstRow, int rowCount)
    : FWidth(width), FHeight(height), FUnit(height / 15), FFirst(firstRow), FCount(rowCount) {}

int BoardTableLayout::LastShown() const { return std::min(FFirst + kShownRows - 1, FCount - 1); }

PixelRect BoardTableLayout::HeaderBand(int captionHeight) const {
    return {0, FUnit / 2 + 5, FWidth - 1, FUnit / 2 + captionHeight + 15};
}

int BoardTableLayout::AtWidth(double share) const { return RoundHalfEven(share * FWidth); }

int BoardTableLayout::RowsDown(int i, double rows) const { return RoundHalfEven((i - FFirst + rows) * FUnit * 1.2); }

int BoardTableLayout::ColumnLeft(BoardColumn column) const { return AtWidth(StartOf(column)); }

int BoardTableLayout::ColumnRight(BoardColumn column) const {
    switch (column) {
        case BoardColumn::Place: return AtWidth(kArrowLeft) - FUnit / 4;
        case BoardColumn::Team: return ColumnLeft(BoardColumn::Town) - FUnit / 4;
        case BoardColumn::Town: return ColumnLeft(BoardColumn::Score) - FUnit / 4;
        case BoardColumn::Score: break;
    }
    return FWidth - FUnit / 4;
}

int BoardTableLayout::RowTop(int i) const { return RowsDown(i, 1.5); }

PixelRect BoardTableLayout::Stripe(int i) const { return {0, RowTop(i) - 1, FWidth - 1, RowsDown(i, 2.5)}; }

BoardArrow BoardTableLayout::Arrow(int i, int movement) const {
    const int left = AtWidth(kArrowLeft);
    const int right = AtWidth(kArrowRight);
    const int upper = RowsDown(i, 1.7);
    const int lower = RowsDown(i, 2.1);
    const int baseY = movement > 0 ? lower : upper;
    const int apexY = movement > 0 ? upper : lower;
    return {{left, baseY}, {right, baseY}, {(left + right) / 2, apexY}};
}

int BoardTableLayout::SmallestNameCellHeight() const { return RoundHalfEven(0.75 * FUnit); }

int BoardTableLayout::MoveCellHeight() const { return RoundHalfEven(0.75 * FUnit); }

int BoardTableLayout::MoveLeft() const { return AtWidth(kMoveLeft); }

int BoardTableLayout::MoveRight() const { return ColumnLeft(BoardColumn::Team) - FUnit / 4; }

int BoardTableLayout::MoveTop(int i) const { return RowsDown(i, 1.6); }

int FittingCellHeight(int start, int maxWidth, const std::function<int(int cellHeight)>& widthAt) {
    if (start <= 1) return 1;
    const int widthAtStart = widthAt(start);
    if (widthAtStart <= maxWidth) return start;
    // Text widths grow about in proportion to the cell height: start near
    // the answer, then settle on the largest height that fits.
    int height = std::clamp(static_cast<int>(static_cast<long long>(start) * std::max(maxWidth, 0) / widthAtStart), 1,
                            start - 1);
    while (height > 1 && widthAt(height) > maxWidth) --height;
    while (height + 1 < start && widthAt(height + 1) <= maxWidth) ++height;
    return height;
}

int WheelRows(int delta, bool ctrl) {
    const int step = ctrl ? kBoardPageRows : 1;
    return delta > 0 ? -step : step;
}

int ClampFirstRow(int firstRow, int rowCount) {
    if (firstRow > rowCount - 1) firstRow = rowCount - 1;
    return std::max(firstRow, 0);
}
