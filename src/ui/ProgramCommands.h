// The program's own commands: the file association, the help, the About
// window and leaving the program.
#pragma once

struct MainParts;

class ProgramCommands {
public:
    explicit ProgramCommands(MainParts& parts) : FParts(parts) {}

    void ActAssExecute();
    void ActExitExecute();
    void ActHelpExecute();
    void ActAboutExecute();

    // Gives the window and its parts their help topics and lets F1 open the
    // help at the topic of the control under focus (see ContextHelpTopic).
    void InstallContextHelp();

    // Writes or removes the association as the configuration says; a failure
    // is reported and the program goes on.
    void ApplyAssociation();

private:
    MainParts& FParts;
};
