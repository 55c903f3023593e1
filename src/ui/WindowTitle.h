// The main window's title: the program name, and with a game in the table
// the tour in view (or the game's name) and the game's file.
#pragma once

#include "ui/platform/ProgramTitle.h"

#include <QString>

class TVemoData;

// "ВеМо 2007 - " + the tour's name + " (" + file + ")"; the parentheses
// stay, empty, for a game that has no file yet.
QString GameWindowTitle(const TVemoData& game, const QString& currentFile);
