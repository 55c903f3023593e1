// The program does not start while its updater runs; the updater holds its
// own lock "Обновление ВеМо 2007" beside the single-instance lock.
#pragma once

// True when a live process holds the updater's lock.
bool UpdaterIsRunning();

// When the updater runs, tells the user so and answers true: the program
// must then end.
bool StopForRunningUpdater();
