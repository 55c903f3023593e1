#include "stats/PlaceGraphLayout.h"

#include <algorithm>

namespace {

constexpr int kMaxCell = 30;
constexpr int kCaptionGap = 9;  // between the caption and the place labels' column

}  // namespace

std::optional<PlaceGraphLayout> LayOutPlaceGraph(int width, int height, const DigitExtents& font, int questions,
                                                 int teams, int captionLength) {
    if (questions <= 0 || teams <= 0) return std::nullopt;
    PlaceGraphLayout layout{};
    layout.Questions = questions;
    layout.Places = teams;
    layout.ColumnWidth = std::min((width - 8 * font.ZeroWidth) / questions, kMaxCell);
    layout.RowHeight = std::min((height - 4 * font.ZeroHeight) / teams, kMaxCell);
    layout.X0 = RoundHalfEven((width - (questions - 1) * layout.ColumnWidth) * 0.5);
    layout.Y0 = RoundHalfEven((height - (teams - 1) * layout.RowHeight) * 0.5);
    layout.QuestionStep = LabelStep(questions / 8);
    layout.PlaceStep = LabelStep(teams / 8);
    layout.CaptionX = layout.X0 - kCaptionGap - font.ThreeZerosWidth;
    layout.CaptionTop = RoundHalfEven((height - captionLength * font.ZeroHeight) * 0.5);
    return layout;
}
