// The program's main window: it holds the game document and wires its parts
// (the actions, the options panel, the game table, the status bar, the timer
// display) to the groups of commands that act on them. It keeps what every
// command shares: the rebuild of the table after every change of the game,
// the count options the document counts with, and the configuration read at
// the first showing and written at closing.
#pragma once

#include "base/CountOptions.h"
#include "settings/ProgramConfig.h"
#include "ui/GameFiles.h"
#include "ui/platform/CommandLine.h"

#include <QMainWindow>

#include <memory>

class GameDocument;
class GameTable;
class MainActions;
class MainCommands;
class MainStatusBar;
class OptionsPanel;
class QSpinBox;
class RecoveryJournal;
class ScriptInput;
class TimerDisplay;
class TVemoData;
struct MainParts;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    inline static const QString kNewGameName = QStringLiteral("Новый турнир");

    explicit TFormMain(const StartupOptions& options, QWidget* parent = nullptr);
    ~TFormMain() override;

    GameDocument& Document() const { return *FDocument; }
    // The window's parts, for the automation interface, which acts on the
    // window as its own commands do.
    MainParts& Parts() const { return *FParts; }
    TVemoData& Game() const;
    const QString& CurrentFile() const;
    bool HasTeams() const;
    bool Modified() const;
    // True while the configuration is put on the controls; the commands of
    // the options they toggle then wait.
    bool Updating() const { return FUpdating; }

    void CountIfAutomatic();
    // Gives the game the count options the window shows (the document gives
    // them to every game it takes in).
    void ApplyCountOptions();
    // Rebuilds the table from the game and the options; with content also
    // the title, and in every case the tour and group selectors.
    void RebuildTable();
    // The number of questions counted, stored and shown in `EnterQ`.
    void SetLastQuestionShown(int count);

public slots:
    // A second start of the program asks the running one to come forward.
    void BringToFront();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectParts();
    void FirstShow();
    void LoadConfiguration();
    void ApplyConfiguration();
    void SaveConfiguration();
    void OpenFromCommandLine(const QString& path);
    void StartRecovery();
    CountOptions WindowCountOptions() const;

    StartupOptions FOptions;
    GameDocument* FDocument = nullptr;
    RecoveryJournal* FJournal = nullptr;
    GameFiles FFiles;
    ProgramConfig FConfig;
    bool FUpdating = false;
    bool FShownOnce = false;

    std::unique_ptr<MainActions> FActions;
    OptionsPanel* SettPanel = nullptr;
    QWidget* PanelBack = nullptr;
    GameTable* FTable = nullptr;
    QSpinBox* EnterQ = nullptr;
    MainStatusBar* StBar = nullptr;
    TimerDisplay* FTimerDisplay = nullptr;
    ScriptInput* FScript = nullptr;
    std::unique_ptr<MainParts> FParts;
    std::unique_ptr<MainCommands> FCommands;
};
