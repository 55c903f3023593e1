// Where the program keeps its files (Vemo.cfg, FileIcon.ico, the help):
// beside the executable, unless $VEMO_PROGRAM_DIR points elsewhere, which
// lets a test run keep its configuration out of the build tree.
#pragma once

#include <QString>

// The directory with a trailing '/'.
QString ProgramDirectory();
