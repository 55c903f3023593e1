// A temporary $XDG_RUNTIME_DIR for the lock tests, private to the user as
// the desktop makes it, so that no test meets the locks of a real session.
#pragma once

#include "support/TempDir.h"
#include "support/TestApplication.h"

#include <QString>

class RuntimeFolder {
public:
    RuntimeFolder();

    QString Path() const { return FPath; }

private:
    TempDir FFolder;
    QString FPath;
    ScopedEnvironment FVariable;
};
