// The main window's commands as QActions, all created from one table
// (name, caption, hint, shortcut, check state, picture, handler) in
// MainActions.cpp. A command whose window or dialog is not part of the
// program yet has no handler and stays disabled, whatever the window asks.
#pragma once

#include "ui/ActionId.h"

#include <QList>

class MainCommands;
class QAction;
class QObject;

class MainActions {
public:
    // Creates the actions as children of `owner`.
    explicit MainActions(QObject& owner);
    // Runs each action's handler on `commands` when it is triggered.
    void Connect(MainCommands& commands);

    QAction* operator[](ActionId id) const { return FActions[static_cast<int>(id)]; }

    // False for a command written without a hint: its tool button shows
    // no tool tip.
    bool HasHint(ActionId id) const { return FHasHint[static_cast<int>(id)]; }

    bool Checked(ActionId id) const;
    void SetChecked(ActionId id, bool checked);
    bool Enabled(ActionId id) const;
    void SetEnabled(ActionId id, bool enabled);

    // The commands that need a game with content (merge, quick entry, the
    // whole-question marks, count, output, statistics).
    void SetGameCommandsEnabled(bool enabled);

private:
    QList<QAction*> FActions;
    QList<bool> FHasHandler;
    QList<bool> FHasHint;
};
