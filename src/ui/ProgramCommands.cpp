#include "ui/ProgramCommands.h"

#include "base/Errors.h"
#include "settings/ProgramConfig.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/platform/AboutBox.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/FileAssociation.h"
#include "ui/platform/GeneralError.h"
#include "ui/platform/ProgramDirectory.h"

#include <QCoreApplication>

namespace {

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
