// The face of every window and grid of the program, in one place. "Arial"
// is mapped by fontconfig to the metric-compatible Liberation Sans.
#pragma once

#include <QFont>
#include <QString>

namespace Draw {

inline const QString kProgramFace = QStringLiteral("Arial");

// The program's face at `points`: 9 in the windows, 8 where a fixed width
// must hold a long text (the options panel, the grid).
inline QFont ProgramFont(int points = 9) { return QFont(kProgramFace, points); }

}  // namespace Draw
