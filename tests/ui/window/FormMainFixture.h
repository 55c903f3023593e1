// A main window as the program starts it, in a folder of its own: the
// program directory (Vemo.cfg), $XDG_DATA_HOME (the file association) and
// $XDG_STATE_HOME (the recovery file) point into a temporary folder, boxes and file dialogs are scripted, and
// helpers read and click the visible grid.
#pragma once

#include "ui/platform/CommandLine.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/TFormMain.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QTableView;

class FormMainTest : public ::testing::Test {
protected:
    FormMainTest();
    ~FormMainTest() override;

    // Creates and shows the window (no splash); a previous one is closed first.
    TFormMain& Start(StartupOptions options = {});
    // The same with the splash, which the test scripts in FDialogs.windows.
    TFormMain& StartWithSplash();
    TFormMain& Form() { return *FForm; }
    // Closes the window as the user does; false when it stayed open.
    bool Close();

    QString ProgramDir() const;
    std::string ConfigFile() const;
    std::string RecoveryFile() const;
    // Saves `game` under `name` in the temporary folder and returns its path.
    QString SaveGame(const TVemoData& game, const std::string& name) const;
    // Opens `path` through ActOpenFile and the scripted open dialog.
    void Open(const QString& path);
    // Queues the registration window that New game opens, closed with Отмена.
    void CancelRegistration();

    QAction* Action(const QByteArray& name) const;
    QAbstractButton* Button(const QByteArray& name) const;
    QComboBox* Box(const char* name) const;

    // The grid on show: TableGr or Table.
    QTableView* Grid() const;
    QString Cell(int column, int row) const;
    // The texts of one row across the first `count` columns.
    QStringList RowTexts(int row, int count) const;
    // Rows of the grid that are headers: down to the team columns' titles.
    int HeaderRows() const;
    // The names of the teams from the first team row down (column `nameColumn`).
    QStringList TeamOrder(int nameColumn = 1) const;
    // Clicks where the pointer meets the cell (frozen cells included).
    void ClickCell(int column, int row);
    // A click to make the cell current, then a double click on it.
    void DoubleClickCell(int column, int row);
    // Chooses item `index` of a selector with the keyboard, as a user does.
    void Choose(QComboBox* box, int index);

    TempDir FFolder;
    ScriptedDialogs FDialogs;
    std::unique_ptr<TFormMain> FForm;

private:
    TFormMain& Show(const StartupOptions& options);
};

// Tours of 3 and 2 questions. Ratings (minuses + 1) 1, 2, 3, 2, 3; T3 leads
// with 5 taken, then T1 with 3, then T2 with 1.
std::unique_ptr<TVemoData> ThreeTeamGame();
// One tour of 4 questions, nothing taken; T1 in G1, T2 and T3 in G2, T4 in
// no group, and G3 without teams.
std::unique_ptr<TVemoData> GroupGame();
