// The version is the CMake project version, handed in by the build.
#include "Version.h"

QString ProgramVersion() { return QStringLiteral(VEMO_VERSION); }
