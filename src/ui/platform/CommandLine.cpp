// Reads the command line: "-open" and "-Embedding" are compared exactly, as
// the desktop and the automation client write them; the automation switches
// are matched the way the automation runtime matches its own switches.
#include "ui/platform/CommandLine.h"

#include <array>
#include <utility>

namespace {

// `argument` is `name` behind a leading '-' or '/', in any letter case.
bool IsSwitch(const QString& argument, const QString& name) {
    if (argument.size() != name.size() + 1) return false;
    if (argument.front() != u'-' && argument.front() != u'/') return false;
    return argument.mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

bool HasSwitch(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments)
        if (IsSwitch(argument, name)) return true;
    return false;
}

// The switches that end the program come first: a registration run does
// nothing else.
AutomationMode FindAutomationMode(const QStringList& arguments) {
    static const std::array<std::pair<QString, AutomationMode>, 4> switches{{
        {QStringLiteral("REGSERVER"), AutomationMode::RegServer},
        {QStringLiteral("UNREGSERVER"), AutomationMode::UnregServer},
        {QStringLiteral("EMBEDDING"), AutomationMode::Embedding},
        {QStringLiteral("AUTOMATION"), AutomationMode::Automation},
    }};
    for (const auto& [name, mode] : switches)
        if (HasSwitch(arguments, name)) return mode;
    return AutomationMode::None;
}

}  // namespace

StartupOptions ParseCommandLine(const QStringList& arguments) {
    StartupOptions options;
    options.automation = FindAutomationMode(arguments);
    if (arguments.isEmpty()) return options;

    const QString& first = arguments.front();
    if (first == QLatin1String("-Embedding")) {
        options.embedding = true;
        options.showSplash = false;
    } else if (first == QLatin1String("-open")) {
        options.hasOpen = true;
        options.openPath = arguments.value(1);
    }
    return options;
}
