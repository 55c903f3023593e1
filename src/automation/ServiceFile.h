// The automation server's registration: a D-Bus service file,
// $XDG_DATA_HOME/dbus-1/services/Vemo.App.service, through which the
// session bus starts the program hidden ("-Embedding") when a client calls
// the service while the program is not running.
#pragma once

#include <QString>

QString ServiceFilePath();
// The file's text; the executable is quoted as the bus reads its Exec line.
QString ServiceFileText(const QString& executable);
// Writes the file for `executable` (atomically) or removes it. False, with
// the reason on the standard error, when that fails; a file already gone
// is no failure.
bool RegisterServer(const QString& executable);
bool UnregisterServer();
