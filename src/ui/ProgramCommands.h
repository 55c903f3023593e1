// The program's own commands: the file association, the About window and
// leaving the program.
#pragma once

struct MainParts;

class ProgramCommands {
public:
    explicit ProgramCommands(MainParts& parts) : FParts(parts) {}

    void ActAssExecute();
    void ActExitExecute();
    void ActAboutExecute();

    // Writes or removes the association as the configuration says; a failure
    // is reported and the program goes on.
    void ApplyAssociation();

private:
    MainParts& FParts;
};
