// The per-user folder that holds the program's lock files and its socket.
#pragma once

#include <QString>

// $XDG_RUNTIME_DIR when usable, else the temporary folder; with a trailing '/'.
QString LockDirectory();
