// Reading the statistics windows' pictures as the user sees them: the
// pixels of the picture on screen, the extents of the pictures' font the
// layouts are computed from, and the theme's colours.
#pragma once

#include "stats/GraphArithmetic.h"
#include "stats/PlaceGraphLayout.h"
#include "ui/draw/DrawHelper.h"

#include <QDialog>
#include <QImage>
#include <QLineEdit>

// The picture "Image" of `window` as drawn on screen.
QImage ShownPicture(QDialog& window);
// The extents of the pictures' font on a surface like theirs.
DigitExtents PictureDigits();
// The place graph's vertical caption as its picture measures it.
VerticalCaption PlacesCaption();
// The theme's colours as a picture holds them, 8 bits a channel.
Draw::SystemColors ShownColors();
// Pixels darker than the grid: the texts of labels and captions.
int DarkPixels(const QImage& image, const QRect& rect);
// The text of the read-only box `name`.
QString BoxText(QDialog& window, const char* name);
QLineEdit* Box(QDialog& window, const char* name);
