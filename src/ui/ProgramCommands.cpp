#include "ui/ProgramCommands.h"

#include "base/Errors.h"
#include "settings/ProgramConfig.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "table/widgets/GameTable.h"
#include "ui/TimerDisplay.h"
#include "ui/platform/AboutBox.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/FileAssociation.h"
#include "ui/platform/GeneralError.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>

namespace {

// The main window as a whole; the tool bar's counter and the timer; what the
// table shows (the panel's output group carries it too).
constexpr int kMainWindowTopic = 1001;
constexpr int kToolBarTopic = 1004;
constexpr int kTableTopic = 1006;

FileAssociation ProgramAssociation() {
    return FileAssociation(ProgramDirectory(), QCoreApplication::applicationFilePath());
}

}  // namespace

void ProgramCommands::ApplyAssociation() {
    try {
        ProgramAssociation().Apply(FParts.config.AssociateFiles);
    } catch (const Exception& error) {
        ShowGeneralError(error);
    }
}

void ProgramCommands::ActAssExecute() {
    FileAssociation association = ProgramAssociation();
    if (association.IsAssociated() != FParts.config.AssociateFiles) association.Apply(FParts.config.AssociateFiles);
}

void ProgramCommands::ActExitExecute() { FParts.form.close(); }

void ProgramCommands::ActAboutExecute() {
    TAboutBox about(&FParts.form);
    AppDialogs().Exec(about);
}

void ProgramCommands::ActHelpExecute() { AppDialogs().ShowHelp(0); }

void ProgramCommands::InstallContextHelp() {
    SetHelpTopic(FParts.form, kMainWindowTopic);
    SetHelpTopic(FParts.enterQ, kToolBarTopic);
    SetHelpTopic(FParts.timerDisplay, kToolBarTopic);
    SetHelpTopic(*FParts.table.GraphicGrid(), kTableTopic);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &FParts.form);
    QObject::connect(key, &QShortcut::activated, &FParts.form,
                     [&form = FParts.form] { AppDialogs().ShowHelp(ContextHelpTopic(form)); });
}
