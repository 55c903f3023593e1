#include "ui/ChampCommands.h"

#include "champ/widgets/TFormChamp.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDirectory.h"

ChampCommands::ChampCommands(MainParts& parts)
    : FParts(parts), FormChamp(new TFormChamp(ProgramDirectory(), &parts.form)) {}

void ChampCommands::ActChampExecute() {
    FormChamp->SetSettings(ChampSettingsOf(FParts.config));
    AppDialogs().Exec(*FormChamp);
    StoreChampSettings(FormChamp->Settings(), FParts.config);
}
