#include "ui/HallCommands.h"

#include "output/widgets/TFormResults.h"
#include "stats/widgets/TStatAllForm.h"
#include "stats/widgets/TStatTeamForm.h"
#include "table/widgets/GameTable.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"

void HallCommands::ActScrResultsExecute() {
    TFormResults form(FParts.form.Game(), &FParts.form);
    AppDialogs().Exec(form);
}

void HallCommands::ActStatAllExecute() {
    TStatAllForm form(FParts.form.Game(), &FParts.form);
    AppDialogs().Exec(form);
}

void HallCommands::ActStatTeamExecute() {
    TStatTeamForm form(FParts.form.Game(), FParts.table.CurrentTeamIndex(), &FParts.form);
    AppDialogs().Exec(form);
}
