#include "ui/TFormMain.h"

#include "model/VemoData.h"
#include "table/widgets/GameTable.h"
#include "ui/ConfigBinding.h"
#include "ui/MainActions.h"
#include "ui/MainCommands.h"
#include "ui/MainMenus.h"
#include "ui/MainParts.h"
#include "ui/MainStatusBar.h"
#include "ui/OptionsPanel.h"
#include "ui/TimerDisplay.h"
#include "ui/ScriptInput.h"
#include "ui/UndoActions.h"
#include "ui/WindowTitle.h"
#include "ui/document/GameDocument.h"
#include "ui/document/RecoveryJournal.h"
#include "ui/draw/ProgramFont.h"
#include "ui/platform/AboutBox.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/GeneralError.h"
#include "ui/platform/ProgramDirectory.h"
#include "ui/text/AnsiText.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>

using enum ActionId;

namespace {

constexpr QSize kMinimumClientSize(900, 549);

std::string ConfigPath() { return ConfigFilePath(QFile::encodeName(ProgramDirectory()).toStdString()); }

}  // namespace

// The tool bar pictures live in this library's resources, which a static
// library has to register itself.
static void RegisterPictures() { Q_INIT_RESOURCE(vemo_ui); }

TFormMain::TFormMain(const StartupOptions& options, QWidget* parent)
    : QMainWindow(parent), FOptions(options), FDocument(new GameDocument(this)), FFiles(ProgramDirectory()) {
    RegisterPictures();
    setObjectName(QStringLiteral("FormMain"));
    // A narrow face, so the panel's options and the status texts fit their widths.
    setFont(Draw::ProgramFont());
    setWindowTitle(kProgramTitle);
    FDocument->Game().SetGameName(ToAnsi(kNewGameName));
    FJournal = new RecoveryJournal(*FDocument, this);
    FActions = std::make_unique<MainActions>(*this);
    ApplyConfigFlags(FConfig, *FActions);
    FDocument->SetCountSource([this] { return WindowCountOptions(); },
                              [this] { return FActions->Checked(ActAutoCount); });
    BuildLayout();
    FParts = std::make_unique<MainParts>(MainParts{*this, *FDocument, *FJournal, *FActions, *SettPanel, *FTable,
                                                   FFiles, FConfig, *EnterQ, *FTimerDisplay});
    FCommands = std::make_unique<MainCommands>(*FParts);
    ConnectParts();
    // From the start, so that a hidden start for automation is scripted too.
    if (ScriptInput::Requested()) FScript = new ScriptInput(*FParts);
}

// The journal and the document follow and call the parts; they go first.
TFormMain::~TFormMain() {
    delete FJournal;
    delete FDocument;
}

void TFormMain::BuildLayout() {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    SettPanel = new OptionsPanel(*FActions, central);
    PanelBack = new QWidget(central);
    PanelBack->setObjectName(QStringLiteral("PanelBack"));
    PanelBack->setBackgroundRole(QPalette::Dark);
    PanelBack->setAutoFillBackground(true);
    PanelBack->hide();
    auto* back = new QHBoxLayout(PanelBack);
    back->setContentsMargins(0, 0, 0, 0);
    FTable = new GameTable(PanelBack);
    back->addWidget(FTable);
    row->addWidget(SettPanel);
    row->addWidget(PanelBack, 1);
    setCentralWidget(central);

    EnterQ = new QSpinBox(this);
    EnterQ->setObjectName(QStringLiteral("EnterQ"));
    EnterQ->setToolTip(QStringLiteral("Результат после вопроса номер..."));
    EnterQ->setRange(0, 0);
    EnterQ->setReadOnly(true);
    EnterQ->setEnabled(false);
    FTimerDisplay = new TimerDisplay(this);
    BuildMainMenu(*this, *FActions);
    BuildToolBars(*this, *FActions, EnterQ, FTimerDisplay);
    StBar = new MainStatusBar(this);
    setStatusBar(StBar);

    // The scorer works with hundreds of teams: the window fills the screen's
    // work area, and can be made smaller down to its minimum.
    setMinimumSize(kMinimumClientSize + QSize(0, menuBar()->sizeHint().height()));
    setGeometry(screen()->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormMain::ConnectParts() {
    FActions->Connect(*FCommands);
    FCommands->Get<ProgramCommands>().InstallContextHelp();
    auto& view = FCommands->Get<ViewCommands>();
    connect(SettPanel, &OptionsPanel::TourChosen, this, [&view](int index) { view.ToursBoxChange(index); });
    connect(SettPanel, &OptionsPanel::GroupChosen, this, [&view](int index) { view.GroupsBoxChange(index); });
    auto& count = FCommands->Get<CountCommands>();
    connect(SettPanel, &OptionsPanel::RatingChosen, this, [&count] { count.ChooseRatingClick(); });
    auto& edit = FCommands->Get<EditCommands>();
    connect(FTable, &GameTable::ToggleRequested, this,
            [&edit](TTeamData* team, int question) { edit.ToggleAnswer(team, question); });
    connect(FDocument, &GameDocument::Changed, this, &TFormMain::RebuildTable);
    connect(FDocument, &GameDocument::ModifiedChanged, this,
            [this](bool modified) { FActions->SetEnabled(ActSaveFile, modified); });
    connect(FJournal, &RecoveryJournal::WriteFailed, this, [](const QString& path) {
        AppDialogs().ErrorBox(QStringLiteral("Не удается сохранить копию игры для восстановления после сбоя:\r") +
                                  path + QStringLiteral("\rПрограмма продолжит работу без нее."),
                              QStringLiteral("Восстановление"));
    });
    BindUndoActions(*FActions, *FDocument);
}

void TFormMain::BringToFront() {
    if (!isVisible()) return;  // running hidden for automation
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

// ---- Start and end ----

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FShownOnce) return;
    FShownOnce = true;
    FirstShow();
}

void TFormMain::FirstShow() {
    StBar->StopClock();
    if (FOptions.showSplash && !FOptions.embedding) {
        TAboutBox splash(this);
        AppDialogs().Exec(splash);
    }
    StBar->StartClock();
    LoadConfiguration();
    FCommands->Get<PublishCommands>().LoadSettings();
    const bool recovered = !FOptions.embedding && FCommands->Get<FileCommands>().OfferRecovery();
    if (FOptions.hasOpen && !recovered) OpenFromCommandLine(FOptions.openPath);
    RebuildTable();
    PanelBack->show();
    // Started for automation, the window leaves an earlier crash's game to
    // the next start by a user, who can be asked about it.
    if (!FOptions.embedding) FJournal->Start();
    if (FScript) FScript->SayReady();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!FCommands->Get<FileCommands>().SaveChangesPrompt()) {
        event->ignore();
        return;
    }
    // A window never shown (started for automation) has not read the
    // configuration; writing it would replace the user's with the defaults.
    if (FShownOnce) {
        try {
            SaveConfiguration();
        } catch (...) {
            ShowCurrentError();
        }
    }
    FTable->Clear();
    // Only a run that kept the journal removes the file; another run's stays.
    if (FShownOnce && !FOptions.embedding) FJournal->Discard();
    event->accept();
}

// A damaged Vemo.cfg is reported and the start goes on with what was read
// before the damage and the defaults for the rest. Whatever fails, the
// option commands work again afterwards.
void TFormMain::LoadConfiguration() {
    FUpdating = true;
    try {
        LoadProgramConfig(ConfigPath(), FConfig);
    } catch (...) {
        ShowCurrentError();
    }
    try {
        ApplyConfiguration();
    } catch (...) {
        ShowCurrentError();
    }
    FUpdating = false;
}

void TFormMain::ApplyConfiguration() {
    ApplyConfigFlags(FConfig, *FActions);
    SettPanel->SetRatingPlusOne(FConfig.Count.RatingPlusOne);
    ApplyCountOptions();
    FTable->SetGraphic(FActions->Checked(ActGraphTable));
    FCommands->Get<TimerCommands>().ActTimerStopExecute();
    FCommands->Get<ProgramCommands>().ApplyAssociation();
    SettPanel->setVisible(FActions->Checked(ActSett));
}

void TFormMain::SaveConfiguration() {
    ProgramConfig config = FConfig;
    CollectConfigFlags(*FActions, config);
    config.Count = WindowCountOptions();
    SaveProgramConfig(ConfigPath(), config);
}

void TFormMain::OpenFromCommandLine(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        AppDialogs().ErrorBox(QStringLiteral("Файл не найден!\r") + path, QStringLiteral("Ошибка"));
        return;
    }
    try {
        FCommands->Get<FileCommands>().LoadGame(path);
    } catch (...) {
        ShowCurrentError();
    }
}

// ---- The game and what every change shares ----

TVemoData& TFormMain::Game() const { return FDocument->Game(); }

const QString& TFormMain::CurrentFile() const { return FDocument->FileName(); }

bool TFormMain::HasTeams() const { return Game().ActiveTeamCount() > 0; }

bool TFormMain::Modified() const { return FDocument->Modified(); }

CountOptions TFormMain::WindowCountOptions() const {
    CountOptions options;
    options.RatingPlusOne = SettPanel->RatingPlusOne();
    options.HiRating = FActions->Checked(ActHiRating);
    options.SortByRating = FActions->Checked(ActSortByRating);
    options.DepositScore = FActions->Checked(ActDeposEnable);
    return options;
}

void TFormMain::ApplyCountOptions() { Game().SetCountOptions(WindowCountOptions()); }

void TFormMain::CountIfAutomatic() {
    if (FActions->Checked(ActAutoCount)) Game().CountResult();
}

void TFormMain::RebuildTable() {
    TableOptions options = CollectTableOptions(*FActions);
    const bool content = FTable->Rebuild(Game(), options);
    // With no team column chosen the table shows the names; the option says so too.
    ApplyTableOptions(options, *FActions);
    if (content) setWindowTitle(GameWindowTitle(Game(), CurrentFile()));
    SettPanel->FillSelectors(content ? &Game() : nullptr);
}

void TFormMain::SetLastQuestionShown(int count) {
    Game().StoreLastQuestion(count);
    EnterQ->setMaximum(count);
    EnterQ->setValue(count);
}
