// The desktop's MIME and application databases, rebuilt after the file
// association changed. The tools run in the background, one at a time, so
// the window never waits for them; a failure only goes to stderr, since the
// association files themselves are in place either way.
#pragma once

#include <QString>

// Rebuilds the databases under `dataHome` (ending with '/'). A request
// while a rebuild runs is served by one more rebuild after it, so the last
// state of the files is what the databases end up with.
void RefreshDesktopDatabases(const QString& dataHome);
// True while a rebuild runs or waits (the tests wait for the end before
// they remove the folders).
bool RefreshingDesktopDatabases();
