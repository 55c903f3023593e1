#include "ui/draw/DrawHelper.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <map>
#include <tuple>

namespace Draw {

namespace {

int CellHeightOf(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    return metrics.ascent() + metrics.descent();
}

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

using FontKey = std::tuple<QString, int, bool, bool, int>;

}  // namespace

QFont CellHeightFont(const QString& family, int cellHeight, bool bold, bool italic, const QPaintDevice* device) {
    static std::map<FontKey, int> pixelSizes;
    const int dpi = device ? device->logicalDpiY() : 0;
    const FontKey key{family, cellHeight, bold, italic, dpi};
    if (auto found = pixelSizes.find(key); found != pixelSizes.end())
        return PixelFont(family, found->second, bold, italic);

    // Start from the proportion of a large probe, then step to the largest
    // size that still fits: hinting makes the cell height not quite linear.
    constexpr int kProbe = 200;
    const int probeHeight = std::max(1, CellHeightOf(PixelFont(family, kProbe, bold, italic), device));
    int pixels = std::max(1, cellHeight * kProbe / probeHeight);
    while (pixels > 1 && CellHeightOf(PixelFont(family, pixels, bold, italic), device) > cellHeight) --pixels;
    while (CellHeightOf(PixelFont(family, pixels + 1, bold, italic), device) <= cellHeight) ++pixels;
    pixelSizes.emplace(key, pixels);
    return PixelFont(family, pixels, bold, italic);
}

int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

int TextHeight(const QPainter& painter) {
    const QFontMetrics metrics = painter.fontMetrics();
    return metrics.ascent() + metrics.descent();
}

void TextOut(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (painter.backgroundMode() != Qt::OpaqueMode) {
        painter.drawText(x, y + metrics.ascent(), text);
        return;
    }
    // Exactly the text's cell, whatever Qt's own opaque mode would cover.
    painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent(),
                     painter.background());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(x, y + metrics.ascent(), text);
    painter.setBackgroundMode(Qt::OpaqueMode);
}

void TextRect(QPainter& painter, int left, int top, int right, int bottom, int x, int y, const QString& text) {
    painter.save();
    painter.setClipRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), Qt::IntersectClip);
    TextOut(painter, x, y, text);
    painter.restore();
}

SystemColors ThemeColors() {
    const QPalette palette = QGuiApplication::palette();
    return {palette.color(QPalette::Button), palette.color(QPalette::Dark), palette.color(QPalette::ButtonText),
            palette.color(QPalette::Dark)};
}

}  // namespace Draw
