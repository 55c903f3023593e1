#include "stats/PlaceGraphLayout.h"

#include <algorithm>

namespace {

constexpr int kMaxCell = 30;
constexpr int kCaptionGap = 9;  // between the caption and the place labels' column
constexpr int kLabelGap = 3;    // between the place labels and the grid, and least between them and the caption

int DigitCount(int value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

std::optional<PlaceGraphLayout> LayOutPlaceGraph(int width, int height, const DigitExtents& font, int questions,
                                                 int teams, VerticalCaption caption) {
    if (questions <= 0 || teams <= 0) return std::nullopt;
    PlaceGraphLayout layout{};
    layout.Questions = questions;
    layout.Places = teams;
    layout.ColumnWidth = CellSize(width - 8 * font.ZeroWidth, questions, kMaxCell);
    layout.RowHeight = CellSize(height - 4 * font.ZeroHeight, teams, kMaxCell);
    layout.X0 = RoundHalfEven((width - (questions - 1) * layout.ColumnWidth) * 0.5);
    layout.Y0 = RoundHalfEven((height - (teams - 1) * layout.RowHeight) * 0.5);
    layout.QuestionStep = LabelStep(questions / 8);
    layout.PlaceStep = LabelStep(teams / 8);
    const int widestLabel = DigitCount(teams / layout.PlaceStep * layout.PlaceStep) * font.ZeroWidth;
    layout.CaptionX = std::min(layout.X0 - kCaptionGap - font.ThreeZerosWidth,
                               layout.X0 - 2 * kLabelGap - widestLabel - caption.WidestLetter);
    layout.CaptionTop = RoundHalfEven((height - caption.Length * font.ZeroHeight) * 0.5);
    return layout;
}
