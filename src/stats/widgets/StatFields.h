// What the two statistics windows share: grey read-only boxes for their
// figures, their pictures, and the system's decimal separator.
#pragma once

#include <QImage>
#include <QLabel>
#include <QLineEdit>

// A read-only box on the window's grey, named `name`.
QLineEdit* MakeOutputBox(const char* name, QWidget* parent);
// Shows `text` from its beginning, however long.
void ShowText(QLineEdit& box, const QString& text);
// A picture named "Image" showing `surface`, which starts in the grey of
// the window; the window draws on the surface and shows it anew.
QLabel* MakeStatImage(QImage& surface, QWidget* parent);

// The decimal separator of the system's number format, as a Windows-1251 character.
char SystemDecimalSeparator();
