// The menu bar and the two tool bars of the main window, built from lists
// of action ids in the order the user finds them.
#pragma once

class MainActions;
class QMainWindow;
class QWidget;

// The menus "Файл" ... "Справка".
void BuildMainMenu(QMainWindow& window, const MainActions& actions);
// `ToolBar1` with the commands and the spin edit `enterQ` among them, and
// `ToolBar2` with the timer's commands followed by `timerDisplay`.
void BuildToolBars(QMainWindow& window, const MainActions& actions, QWidget* enterQ, QWidget* timerDisplay);
