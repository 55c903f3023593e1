// The program's name as its windows and boxes show it.
#pragma once

#include <QString>

inline const QString kProgramTitle = QStringLiteral("ВеМо 2007");
