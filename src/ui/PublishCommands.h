// Publishing the results as they are scored: the live page written into a
// folder after every change of the game, switched on and off from the
// "Результаты" menu and kept on between runs in the program's own settings
// file beside Vemo.cfg.
#pragma once

#include "settings/PublishSettings.h"

#include <QString>

#include <string>

class LivePage;
struct MainParts;

class PublishCommands {
public:
    explicit PublishCommands(MainParts& parts);

    // "Публиковать результаты в папку...": switched on, asks for the folder
    // (a cancelled dialog leaves it off); switched off, writes no more.
    void ActPublishExecute();
    // Goes on publishing where the last run left off (at the first showing).
    void LoadSettings();

private:
    void StartInto(const QString& folder);
    void Stop();
    void SaveSettings();
    std::string SettingsPath() const;

    MainParts& FParts;
    // The main window's child, so that it lives as long as the window.
    LivePage* FPage;
    PublishSettings FSettings;
};
