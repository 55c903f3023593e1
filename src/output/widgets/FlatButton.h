// The flat picture buttons of the output windows, their pictures drawn for
// them (SVG in this library's resources).
#pragma once

#include <QString>

class QToolButton;
class QWidget;

// A flat button named `objectName` showing picture `picture` at
// `iconSize` pixels with the hint `hint`.
QToolButton* MakeFlatButton(QWidget* parent, const char* objectName, const char* picture, const QString& hint,
                            int iconSize);
