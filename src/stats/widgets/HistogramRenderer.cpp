#include "stats/widgets/HistogramRenderer.h"

#include "stats/HistogramLayout.h"
#include "stats/widgets/PictureStrokes.h"
#include "ui/draw/DrawHelper.h"

#include <QPainter>

#include <algorithm>

namespace {

void DrawGrid(QPainter& painter, const HistogramLayout& layout, const QColor& shadow) {
    painter.setPen(shadow);
    for (int i = 0; i <= layout.Columns; ++i)
        DrawLine(painter, layout.ColumnX(i), layout.Y0, layout.ColumnX(i), layout.GridBottom());
    for (int count = 0; count <= layout.Top; ++count)
        DrawLine(painter, layout.X0, layout.CountY(count), layout.HorizontalLineEnd(), layout.CountY(count));
}

// Each bar over its shadow, one pixel up and to the left.
void DrawBars(QPainter& painter, const HistogramLayout& layout, const std::vector<int>& counts,
              const Draw::SystemColors& colors) {
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] == 0) continue;
        const BarRect bar = layout.Bar(static_cast<int>(k), counts[k]);
        painter.setPen(colors.buttonShadow);
        painter.setBrush(colors.buttonShadow);
        DrawBox(painter, bar.Left, bar.Top, bar.Right, bar.Bottom);
        painter.setPen(colors.buttonText);
        DrawBox(painter, bar.Left - 1, bar.Top - 1, bar.Right - 1, bar.Bottom - 1);
    }
}

void DrawLabels(QPainter& painter, int width, const HistogramLayout& layout, RatingRange range,
                const Draw::SystemColors& colors) {
    painter.setPen(colors.buttonText);
    const int textHeight = Draw::TextHeight(painter);
    for (int rating : LabelledValues(range.Lowest, range.Highest, layout.RatingStep)) {
        const QString text = QString::number(rating);
        const int k = rating - range.Lowest;
        const int columnWidth = layout.ColumnX(k + 1) - layout.ColumnX(k);
        Draw::TextOut(painter, layout.ColumnX(k) + (columnWidth - Draw::TextWidth(painter, text)) / 2,
                      layout.GridBottom() + 3, text);
    }
    for (int count : LabelledValues(1, layout.Top, layout.ValueStep)) {
        const QString text = QString::number(count);
        Draw::TextOut(painter, layout.X0 - 3 - Draw::TextWidth(painter, text), layout.CountY(count) - textHeight / 2,
                      text);
    }
    painter.setFont(PictureFont(true));
    const QString caption = QStringLiteral("Рейтинг вопросов");
    Draw::TextOut(painter, (width - Draw::TextWidth(painter, caption)) / 2,
                  layout.GridBottom() + 6 + Draw::TextHeight(painter), caption);
}

}  // namespace

void RenderRatingHistogram(QPainter& painter, int width, int height, const QuestionRatings& ratings) {
    const std::vector<int> counts = RatingHistogram(ratings);
    const int top = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    painter.setFont(PictureFont());
    const auto layout = LayOutHistogram(width, height, DigitExtentsOf(painter), ratings.Teams, top);
    if (!layout) return;
    const Draw::SystemColors colors = Draw::ThemeColors();
    painter.fillRect(0, 0, width, height, colors.buttonFace);
    DrawGrid(painter, *layout, colors.buttonShadow);
    DrawBars(painter, *layout, counts, colors);
    DrawLabels(painter, width, *layout, RatingRangeOf(ratings), colors);
}
