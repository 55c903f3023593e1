// The flat picture buttons of the program's windows; the output windows'
// pictures are drawn for them (SVG in this library's resources).
#pragma once

#include <QString>

class QIcon;
class QToolButton;
class QWidget;

// A flat button named `objectName` showing picture `picture` at
// `iconSize` pixels with the hint `hint`.
QToolButton* MakeFlatButton(QWidget* parent, const char* objectName, const char* picture, const QString& hint,
                            int iconSize);
// The same with a picture of the caller's.
QToolButton* MakeFlatButton(QWidget* parent, const char* objectName, const QIcon& picture, const QString& hint,
                            int iconSize);
