// The championship: its window, made with the main window and kept for the
// whole run, shown modally on the settings of the configuration, which
// take back what the window changed (the mode, the place points, the
// obligatory games), so that Vemo.cfg keeps them.
#pragma once

class TFormChamp;
struct MainParts;

class ChampCommands {
public:
    explicit ChampCommands(MainParts& parts);

    void ActChampExecute();

private:
    MainParts& FParts;
    TFormChamp* FormChamp;  // a child of the main window
};
