#include "entry/widgets/DigFieldRenderer.h"

#include "entry/DigFieldLayout.h"
#include "ui/draw/DrawHelper.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QString kFace = QStringLiteral("Arial");
const QColor kTakenColor(0, 255, 0);
const QColor kMissedColor(255, 0, 0);

QFont FieldFont(int size, const QPaintDevice* device) { return Draw::CellHeightFont(kFace, size, false, false, device); }

TextMeasure MeasureOn(const QPaintDevice* device) {
    return [device](int size, std::string_view text) {
        const QFontMetrics metrics(FieldFont(size, device), device);
        const QString sample = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        return TextExtent{metrics.horizontalAdvance(sample), metrics.ascent() + metrics.descent()};
    };
}

}  // namespace

QRect CellRect(const DigFieldLayout& layout, int p) {
    return {layout.CellLeft(p), layout.CellTop(p), layout.CellWidth, layout.CellHeight};
}

void DrawDigField(QPainter& painter, int width, int height, const std::vector<DigCell>& cells,
                  std::string_view widthSample, const QRect& area) {
    painter.fillRect(area & QRect(0, 0, width, height), Draw::ThemeColors().buttonFace);
    const int count = static_cast<int>(cells.size());
    const DigFieldLayout layout = LayOutDigField(count, width, height);
    if (count == 0 || layout.CellWidth <= 0 || layout.CellHeight <= 0) return;
    const auto widest = std::max_element(cells.begin(), cells.end(),
                                         [](const DigCell& a, const DigCell& b) { return a.Number < b.Number; });
    const std::string sample = DigWidthSample(widthSample, widest->Number);
    const int size = DigFontSize(MeasureOn(painter.device()), layout.CellWidth, layout.CellHeight, sample);
    painter.setFont(FieldFont(size, painter.device()));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int textHeight = Draw::TextHeight(painter);
    for (int p = 1; p <= count; ++p) {
        if (!area.intersects(CellRect(layout, p))) continue;
        const DigCell& cell = cells[static_cast<std::size_t>(p - 1)];
        const QString text = QString::number(cell.Number);
        painter.setPen(cell.Taken ? kTakenColor : kMissedColor);
        Draw::TextOut(painter, layout.TextLeft(p, Draw::TextWidth(painter, text)), layout.TextTop(p, textHeight), text);
    }
}
