#include "stats/widgets/PictureStrokes.h"

#include "ui/draw/DrawHelper.h"

#include <QPainter>

QFont PictureFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

DigitExtents DigitExtentsOf(const QPainter& painter) {
    return {Draw::TextWidth(painter, QStringLiteral("0")), Draw::TextHeight(painter),
            Draw::TextWidth(painter, QStringLiteral("000"))};
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return;
    const int stepX = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0);
    const int stepY = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
    // The pictures draw only horizontal and vertical lines.
    painter.drawLine(x1, y1, x2 - stepX, y2 - stepY);
}

void DrawBox(QPainter& painter, int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}
