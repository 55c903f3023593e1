// What the window shows: the options panel, the display options, the drawn
// or the text grid, and the tour and group in view.
#pragma once

struct MainParts;

class ViewCommands {
public:
    explicit ViewCommands(MainParts& parts) : FParts(parts) {}

    void ActSettExecute();
    // Every display option (sorting, the columns, the rating row).
    void ActOutExecute();
    void ActGraphTableExecute();

    // The options panel's selectors (0: the whole game, or all teams).
    void ToursBoxChange(int index);
    void GroupsBoxChange(int index);

private:
    MainParts& FParts;
};
