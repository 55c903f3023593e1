// The version is the CMake project version, handed in by the build.
#include "ui/platform/Version.h"

QString ProgramVersion() { return QStringLiteral(VEMO_VERSION); }
