// The drawing conventions every picture of the program follows: font sizes
// given as the cell height of the font in device pixels (ascent plus
// descent), text placed by the top-left corner of its cell, and the desktop
// theme's colours. Coordinates are rounded with RoundHalfEven
// (base/Rounding.h), as the layouts of the cores round them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

namespace Draw {

// The largest font of `family` whose cell height (ascent + descent) on
// `device` is at most `cellHeight` pixels; never smaller than one pixel.
// Results are cached, so renderers may ask for every row.
QFont CellHeightFont(const QString& family, int cellHeight, bool bold = false, bool italic = false,
                     const QPaintDevice* device = nullptr);

// Extents in the painter's current font, as a text-out call measures them:
// the advance width of `text`, and the cell height of any text.
int TextWidth(const QPainter& painter, const QString& text);
int TextHeight(const QPainter& painter);

// Draws `text` with the top-left corner of its cell at (x, y). With the
// painter in opaque background mode the cell is filled with its background
// brush first, as a text-out over a coloured band does.
void TextOut(QPainter& painter, int x, int y, const QString& text);
// The same, clipped to the rectangle from (left, top) to (right, bottom), exclusive.
void TextRect(QPainter& painter, int left, int top, int right, int bottom, int x, int y, const QString& text);

// The colours of the desktop theme that pictures take from the system.
struct SystemColors {
    QColor buttonFace;
    QColor buttonShadow;
    QColor buttonText;
    QColor workspace;
};
SystemColors ThemeColors();

}  // namespace Draw
