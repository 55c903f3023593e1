// The program's version, as shown in the status bar and the About window.
#pragma once

#include <QString>

// The project version from the build, e.g. "1.0.0".
QString ProgramVersion();
