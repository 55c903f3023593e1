// The results output: the output dialog for the game in view.
#pragma once

struct MainParts;

class OutputCommands {
public:
    explicit OutputCommands(MainParts& parts) : FParts(parts) {}

    // Counts as the count command does, asks before giving results of a
    // question that is not the window's last, and opens the output dialog
    // with the game's information types.
    void ActOutResultExecute();

private:
    MainParts& FParts;
};
