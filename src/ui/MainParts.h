// What the main window's commands work with: the window itself, the game
// document every change of the game goes through, and the window's parts.
// TFormMain fills it once its parts exist and hands it to every group of
// commands. Windows of other subsystems get the game or the document from a
// command, never these parts.
#pragma once

class GameDocument;
class GameFiles;
class GameTable;
class MainActions;
class OptionsPanel;
class QSpinBox;
class RecoveryJournal;
class TFormMain;
class TimerDisplay;
struct ProgramConfig;

struct MainParts {
    TFormMain& form;
    GameDocument& document;
    RecoveryJournal& journal;
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
