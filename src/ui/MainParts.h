// What the main window's commands work with: the window itself (its game
// and the steps every change shares) and its parts. TFormMain fills it once
// its parts exist and hands it to every group of commands.
#pragma once

class GameFiles;
class GameTable;
class MainActions;
class OptionsPanel;
class QSpinBox;
class TFormMain;
class TimerDisplay;
struct ProgramConfig;

struct MainParts {
    TFormMain& form;
    MainActions& actions;
    OptionsPanel& panel;
    GameTable& table;
    GameFiles& files;
    // Vemo.cfg as loaded. The values no control shows live here: the
    // timer's settings, the association flag, the user name and the
    // championship settings; the options shown by actions are taken from
    // the actions when the file is written.
    ProgramConfig& config;
    QSpinBox& enterQ;
    TimerDisplay& timerDisplay;
};
