#include "ui/TFormMain.h"

#include "ui/draw/ProgramFont.h"
#include "ui/platform/AboutBox.h"
#include "ui/text/AnsiText.h"
#include "ui/ConfigBinding.h"
#include "ui/platform/Dialogs.h"
#include "base/Errors.h"
#include "ui/platform/FileAssociation.h"
#include "ui/platform/GeneralError.h"
#include "ui/MainActions.h"
#include "ui/MainMenus.h"
#include "ui/MainStatusBar.h"
#include "ui/OptionsPanel.h"
#include "ui/platform/ProgramDirectory.h"
#include "ui/TimerDisplay.h"
#include "model/VemoData.h"
#include "ui/WindowTitle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>

using enum ActionId;

namespace {

constexpr QSize kMinimumClientSize(900, 549);
const QString kNewGameName = QStringLiteral("Новый турнир");

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::string ConfigPath() { return ConfigFilePath(LocalPath(ProgramDirectory())); }

FileAssociation ProgramAssociation() {
    return FileAssociation(ProgramDirectory(), QCoreApplication::applicationFilePath());
}

}  // namespace

// The tool bar pictures live in this library's resources, which a static
// library has to register itself.
static void RegisterPictures() { Q_INIT_RESOURCE(vemo_ui); }

TFormMain::TFormMain(const StartupOptions& options, QWidget* parent)
    : QMainWindow(parent), FOptions(options), FGame(std::make_unique<TVemoData>()), FFiles(ProgramDirectory()) {
    RegisterPictures();
    setObjectName(QStringLiteral("FormMain"));
    // A narrow face, so the panel's options and the status texts fit their widths.
    setFont(Draw::ProgramFont());
    setWindowTitle(kProgramTitle);
    FGame->SetGameName(ToAnsi(kNewGameName));
    FActions = std::make_unique<MainActions>(*this);
    ApplyConfigFlags(FConfig, *FActions);
    BuildLayout();
    ConnectPanel();
}

TFormMain::~TFormMain() = default;

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

void TFormMain::ConnectPanel() {
    connect(SettPanel, &OptionsPanel::TourChosen, this, &TFormMain::ToursBoxChange);
    connect(SettPanel, &OptionsPanel::GroupChosen, this, &TFormMain::GroupsBoxChange);
    connect(SettPanel, &OptionsPanel::RatingChosen, this, &TFormMain::ChooseRatingClick);
    connect(FTable, &GameTable::MarksChanged, this, &TFormMain::GameChanged);
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
    if (FOptions.hasOpen) OpenFromCommandLine(FOptions.openPath);
    RebuildTable();
    PanelBack->show();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!SaveChangesPrompt()) {
        event->ignore();
        return;
    }
    // A window never shown (started for automation) has not read the
    // configuration; writing it would replace the user's with the defaults.
    if (FShownOnce) {
        try {
            SaveConfiguration();
        } catch (const Exception& error) {
            ShowGeneralError(error);
        }
    }
    FTable->Clear();
    FGame = std::make_unique<TVemoData>();
    event->accept();
}

// A damaged Vemo.cfg is reported and the start goes on with what was read
// before the damage and the defaults for the rest.
void TFormMain::LoadConfiguration() {
    FUpdating = true;
    try {
        LoadProgramConfig(ConfigPath(), FConfig);
    } catch (const Exception& error) {
        ShowGeneralError(error);
    }
    ApplyConfiguration();
}

void TFormMain::ApplyConfiguration() {
    ApplyConfigFlags(FConfig, *FActions);
    SettPanel->SetRatingPlusOne(FConfig.Count.RatingPlusOne);
    FGame->SetCountOptions(WindowCountOptions());
    FTable->SetGraphic(FActions->Checked(ActGraphTable));
    ActTimerStopExecute();
    ApplyAssociation();
    SettPanel->setVisible(FActions->Checked(ActSett));
    FUpdating = false;
}

void TFormMain::SaveConfiguration() {
    ProgramConfig config = FConfig;
    CollectConfigFlags(*FActions, config);
    config.Count = WindowCountOptions();
    SaveProgramConfig(ConfigPath(), config);
}

void TFormMain::ApplyAssociation() {
    try {
        ProgramAssociation().Apply(FConfig.AssociateFiles);
    } catch (const Exception& error) {
        ShowGeneralError(error);
    }
}

void TFormMain::OpenFromCommandLine(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        AppDialogs().ErrorBox(QStringLiteral("Файл не найден!\r") + path, QStringLiteral("Ошибка"));
        return;
    }
    try {
        LoadGame(path);
    } catch (const Exception& error) {
        ShowGeneralError(error);
    }
}

// ---- The game and its file ----

bool TFormMain::HasTeams() const { return FGame->ActiveTeamCount() > 0; }

bool TFormMain::Modified() const { return FActions->Enabled(ActSaveFile); }

bool TFormMain::SaveChangesPrompt() {
    if (!HasTeams() || !Modified()) return true;
    switch (AppDialogs().QuestionBox(QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?"),
                                     QStringLiteral("Сохранение"), true)) {
        case Dialogs::Answer::Cancel: return false;
        case Dialogs::Answer::Yes: ActSaveFileExecute(); return true;
        case Dialogs::Answer::No: return true;
    }
    return true;
}

CountOptions TFormMain::WindowCountOptions() const {
    CountOptions options;
    options.RatingPlusOne = SettPanel->RatingPlusOne();
    options.HiRating = FActions->Checked(ActHiRating);
    options.SortByRating = FActions->Checked(ActSortByRating);
    options.DepositScore = FActions->Checked(ActDeposEnable);
    return options;
}

std::unique_ptr<TVemoData> TFormMain::NewGameObject() const {
    auto game = std::make_unique<TVemoData>();
    game->SetCountOptions(WindowCountOptions());
    return game;
}

void TFormMain::ShowEmptyGame() {
    FFiles.SetCurrentFile({});
    FGame = NewGameObject();
    FGame->SetGameName(ToAnsi(kNewGameName));
    FActions->SetEnabled(ActSaveFile, false);
    FActions->SetGameCommandsEnabled(false);
    FActions->SetEnabled(ActDeposit, false);
    FActions->SetEnabled(ActScrResults, false);
    FActions->SetEnabled(ActSaveAsFile, true);
    SetLastQuestionShown(0);
    setWindowTitle(kProgramTitle);
    RebuildTable();
}

// The previous game is gone once loading starts; a file that cannot be read
// leaves the empty game, with the commands and the table to match.
bool TFormMain::LoadGame(const QString& path) {
    FGame = NewGameObject();
    bool loaded = false;
    try {
        loaded = FGame->LoadFromFile(LocalPath(path));
    } catch (const Exception&) {
        ShowEmptyGame();
        throw;
    }
    if (!loaded) {
        ShowEmptyGame();
        return false;
    }
    FFiles.RememberDirectoryOf(path);
    FFiles.SetCurrentFile(path);
    FActions->SetGameCommandsEnabled(true);
    FActions->SetEnabled(ActSaveAsFile, true);
    FActions->SetEnabled(ActSaveFile, false);
    SetLastQuestionShown(FGame->WindowQuestionCount());
    FGame->CountResult();
    return true;
}

void TFormMain::SetLastQuestionShown(int count) {
    FGame->StoreLastQuestion(count);
    EnterQ->setMaximum(count);
    EnterQ->setValue(count);
}

void TFormMain::ActNewExecute() {
    if (!HasTeams()) return;
    if (!SaveChangesPrompt()) return;
    ShowEmptyGame();
}

void TFormMain::ActOpenFileExecute() {
    QCoreApplication::processEvents();
    if (!SaveChangesPrompt()) return;
    const QString path = FFiles.AskOpenPath();
    if (path.isEmpty()) return;
    if (!LoadGame(path)) return;
    FActions->SetEnabled(ActDeposit, true);
    FActions->SetEnabled(ActScrResults, true);
    RebuildTable();
}

bool TFormMain::WriteGame(const QString& path) {
    if (!GameFiles::Write(*FGame, path)) return false;
    FActions->SetEnabled(ActSaveFile, false);
    return true;
}

void TFormMain::ActSaveFileExecute() {
    if (!HasTeams()) return;
    if (FFiles.CurrentFile().isEmpty()) {
        ActSaveAsFileExecute();
        return;
    }
    WriteGame(FFiles.CurrentFile());
}

void TFormMain::ActSaveAsFileExecute() {
    const QString path = FFiles.AskSavePath();
    if (path.isEmpty() || !WriteGame(path)) return;
    FFiles.RememberDirectoryOf(path);
    FFiles.SetCurrentFile(path);
    setWindowTitle(GameWindowTitle(*FGame, path));
}

void TFormMain::ActAssExecute() {
    FileAssociation association = ProgramAssociation();
    if (association.IsAssociated() != FConfig.AssociateFiles) association.Apply(FConfig.AssociateFiles);
}

void TFormMain::ActExitExecute() { close(); }

void TFormMain::ActAboutExecute() {
    TAboutBox about(this);
    AppDialogs().Exec(about);
}

// ---- Changes, counting and the table ----

void TFormMain::GameChanged() {
    FActions->SetEnabled(ActSaveFile, true);
    CountIfAutomatic();
    RebuildTable();
}

void TFormMain::CountIfAutomatic() {
    if (FActions->Checked(ActAutoCount)) FGame->CountResult();
}

void TFormMain::RebuildTable() {
    TableOptions options = CollectTableOptions(*FActions);
    const bool content = FTable->Rebuild(*FGame, options);
    // With no team column chosen the table shows the names; the option says so too.
    ApplyTableOptions(options, *FActions);
    if (content) setWindowTitle(GameWindowTitle(*FGame, FFiles.CurrentFile()));
    SettPanel->FillSelectors(content ? FGame.get() : nullptr);
}

void TFormMain::ApplyToCurrentQuestion(GameTable::WholeQuestion action) {
    FTable->SetWholeQuestion(action);
    GameChanged();
}

void TFormMain::ActAllPlusExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::AllPlus); }

void TFormMain::ActAllMinusExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::AllMinus); }

void TFormMain::ActInverseExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::Inverse); }

void TFormMain::ActCountExecute() {
    if (!HasTeams()) return;
    FGame->SetLastQuestion(EnterQ->value());
    FGame->CountResult();
    RebuildTable();
}

// ---- Options ----

void TFormMain::ActSettExecute() {
    if (FUpdating) return;
    SettPanel->setVisible(FActions->Checked(ActSett));
}

void TFormMain::ActOutExecute() {
    if (FUpdating) return;
    RebuildTable();
}

void TFormMain::ActGraphTableExecute() {
    FTable->SetGraphic(FActions->Checked(ActGraphTable));
    QCoreApplication::processEvents();
    RebuildTable();
}

void TFormMain::ActAutoCountExecute() {
    if (!FActions->Checked(ActAutoCount)) return;
    FGame->CountResult();
    RebuildTable();
}

// The order of rows depends on these two, so they count whatever the
// automatic counting says.
void TFormMain::ActHiRatingExecute() {
    FGame->SetHiRating(FActions->Checked(ActHiRating));
    FGame->CountResult();
    RebuildTable();
}

void TFormMain::ActSortByRatingExecute() {
    FGame->SetSortByRating(FActions->Checked(ActSortByRating));
    FGame->CountResult();
    RebuildTable();
}

void TFormMain::ActDeposEnableExecute() {
    FGame->SetDepositScore(FActions->Checked(ActDeposEnable));
    CountIfAutomatic();
    RebuildTable();
}

void TFormMain::ChooseRatingClick() {
    if (FUpdating) return;
    FGame->SetRatingPlusOne(SettPanel->RatingPlusOne());
    CountIfAutomatic();
    RebuildTable();
}

void TFormMain::ToursBoxChange(int index) {
    FGame->SetCurrentTour(index);
    CountIfAutomatic();
    RebuildTable();
    EnterQ->setMaximum(FGame->LastQuestion());
    EnterQ->setValue(FGame->LastQuestion());
}

void TFormMain::GroupsBoxChange(int index) {
    const TGroupData* group = index > 0 ? FGame->GroupByIndex(index - 1) : nullptr;
    if (group && FGame->GroupTeamCount(group) == 0) {
        AppDialogs().ErrorBox(QStringLiteral("Группа \"") + FromAnsi(group->Name) +
                                  QStringLiteral("\" не содержит ни одной команды."),
                              QStringLiteral("Ошибка"));
        SettPanel->SetGroupIndex(FGame->CurrentGroup());
        return;
    }
    FGame->SetCurrentGroup(index);
    CountIfAutomatic();
    RebuildTable();
}

// ---- Timer ----

void TFormMain::ActTimerStopExecute() {
    FTimer.Reset(FConfig.TimerAll);
    FTimerDisplay->SetText(QString::fromStdString(TimerDisplayText(FTimer.Remaining)));
    FTimerDisplay->SetWarned(false);
}
