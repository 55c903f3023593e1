// What the two statistics pictures share: their font ("MS Sans Serif",
// 8 points, fontconfig picks the nearest face), the extents of its digits
// that the core's layouts are computed from, and strokes in the pictures'
// own convention: a line stops one pixel short of its end point, and a
// box's right and bottom corners lie just outside it.
#pragma once

#include "stats/GraphArithmetic.h"

#include <QFont>

class QPainter;

QFont PictureFont(bool bold = false);
// Of the painter's current font on its device.
DigitExtents DigitExtentsOf(const QPainter& painter);

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2);
// Outlined in the painter's pen, filled with its brush.
void DrawBox(QPainter& painter, int left, int top, int right, int bottom);
