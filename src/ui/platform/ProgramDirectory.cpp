// The program directory: beside the executable, or $VEMO_PROGRAM_DIR.
#include "ui/platform/ProgramDirectory.h"

#include <QCoreApplication>

QString ProgramDirectory() {
    QString directory = qEnvironmentVariable("VEMO_PROGRAM_DIR");
    if (directory.isEmpty()) directory = QCoreApplication::applicationDirPath();
    if (!directory.endsWith(u'/')) directory += u'/';
    return directory;
}
