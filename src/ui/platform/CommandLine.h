// The command line of the program: opening a game file at start, the hidden
// start for automation and the automation server switches.
#pragma once

#include <QString>
#include <QStringList>

// The automation server switches, each written with a leading '-' or '/'
// in any letter case. They take effect with the automation server.
enum class AutomationMode { None, Automation, Embedding, RegServer, UnregServer };

struct StartupOptions {
    // "-Embedding" as the first argument: the window stays hidden.
    bool embedding = false;
    // "-open" as the first argument; openPath is the argument after it
    // (empty when there is none, which then names no existing file).
    bool hasOpen = false;
    QString openPath;
    // The About window is shown as a splash on the first showing.
    bool showSplash = true;
    AutomationMode automation = AutomationMode::None;
};

// `arguments` without the program name.
StartupOptions ParseCommandLine(const QStringList& arguments);
