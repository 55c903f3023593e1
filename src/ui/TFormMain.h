// The program's main window: it owns the open game, shows it in the game
// table, holds the display and counting options, and runs every command of
// the program. The parts with a life of their own (the actions, the options
// panel, the status bar, the table, the timer display) are classes of their
// own; this class wires them to the game.
#pragma once

#include "ui/platform/CommandLine.h"
#include "ui/GameFiles.h"
#include "table/widgets/GameTable.h"
#include "settings/ProgramConfig.h"
#include "ui/TimerFields.h"

#include <QMainWindow>

#include <memory>

class MainActions;
class MainStatusBar;
class OptionsPanel;
class QSpinBox;
class TimerDisplay;
class TVemoData;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(const StartupOptions& options, QWidget* parent = nullptr);
    ~TFormMain() override;

    TVemoData& Game() const { return *FGame; }
    const QString& CurrentFile() const { return FFiles.CurrentFile(); }

    // The tail of every change of the game: it becomes modified, is counted
    // when automatic counting is on, and the table is rebuilt.
    void GameChanged();
    // Rebuilds the table from the game and the options; with content also
    // the title, and in every case the tour and group selectors.
    void RebuildTable();

public slots:
    // A second start of the program asks the running one to come forward.
    void BringToFront();

public:
    // Command handlers, connected by the action table.
    void ActNewExecute();
    void ActOpenFileExecute();
    void ActSaveFileExecute();
    void ActSaveAsFileExecute();
    void ActAssExecute();
    void ActExitExecute();
    void ActSettExecute();
    void ActOutExecute();
    void ActGraphTableExecute();
    void ActAllPlusExecute();
    void ActAllMinusExecute();
    void ActInverseExecute();
    void ActAutoCountExecute();
    void ActHiRatingExecute();
    void ActSortByRatingExecute();
    void ActDeposEnableExecute();
    void ActCountExecute();
    void ActTimerStopExecute();
    void ActAboutExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectPanel();
    void FirstShow();
    void LoadConfiguration();
    void ApplyConfiguration();
    void SaveConfiguration();
    void ApplyAssociation();
    void OpenFromCommandLine(const QString& path);

    bool HasTeams() const;
    bool Modified() const;
    // False when the user cancelled.
    bool SaveChangesPrompt();
    bool WriteGame(const QString& path);
    // The count options as the window shows them; every game gets them.
    CountOptions WindowCountOptions() const;
    std::unique_ptr<TVemoData> NewGameObject() const;
    void ShowEmptyGame();
    bool LoadGame(const QString& path);
    void SetLastQuestionShown(int count);
    void CountIfAutomatic();

    void ToursBoxChange(int index);
    void GroupsBoxChange(int index);
    void ChooseRatingClick();
    void ApplyToCurrentQuestion(GameTable::WholeQuestion action);

    StartupOptions FOptions;
    std::unique_ptr<TVemoData> FGame;
    GameFiles FFiles;
    // Vemo.cfg as loaded. The values that no control shows live here: the
    // timer's settings, the association flag, the user name and the
    // championship settings; the options shown by actions are taken from
    // them when the file is written.
    ProgramConfig FConfig;
    TimerFields FTimer;
    bool FUpdating = false;
    bool FShownOnce = false;

    std::unique_ptr<MainActions> FActions;
    OptionsPanel* SettPanel = nullptr;
    QWidget* PanelBack = nullptr;
    GameTable* FTable = nullptr;
    QSpinBox* EnterQ = nullptr;
    MainStatusBar* StBar = nullptr;
    TimerDisplay* FTimerDisplay = nullptr;
};
