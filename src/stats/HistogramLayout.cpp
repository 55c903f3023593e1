#include "stats/HistogramLayout.h"

namespace {

constexpr int kMaxCell = 30;

}  // namespace

std::optional<HistogramLayout> LayOutHistogram(int width, int height, const DigitExtents& font, int teams, int top) {
    if (top <= 0) return std::nullopt;
    HistogramLayout layout{};
    layout.Columns = teams + 1;
    layout.Top = top;
    layout.ColumnWidth = CellSize(width - 4 * font.ZeroWidth, layout.Columns, kMaxCell);
    layout.RowHeight = CellSize(height - 6 * font.ZeroHeight, top, kMaxCell);
    layout.X0 = RoundHalfEven((width - layout.Columns * layout.ColumnWidth) * 0.5);
    layout.Y0 = RoundHalfEven((height - layout.RowHeight * top) * 0.5);
    layout.ValueStep = LabelStep(top / 8);
    layout.RatingStep = LabelStep(layout.Columns / 4);
    return layout;
}
