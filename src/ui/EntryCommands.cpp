#include "ui/EntryCommands.h"

#include "entry/widgets/TFormReg.h"
#include "model/VemoData.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"

#include <QSpinBox>

#include <algorithm>

using enum ActionId;

void EntryCommands::ActRegisterExecute() {
    TFormReg form(FParts.form.Game(), &FParts.form);
    if (AppDialogs().Exec(form) != QDialog::Accepted || !form.Accepted()) return;
    TakeRegisteredGame(form.TakeGame());
}

// The counted questions stay where they were unless the game became
// shorter; a game counted up to none yet is counted to its end, and the
// game counts what EnterQ shows.
void EntryCommands::TakeRegisteredGame(std::unique_ptr<TVemoData> game) {
    const TGroupData* group = game->GroupByIndex(game->CurrentGroup() - 1);
    if (group && game->GroupTeamCount(group) == 0) game->SetCurrentGroup(0);
    const int window = game->WindowQuestionCount();
    int counted = std::min(FParts.enterQ.value(), window);
    if (counted == 0) counted = window;
    FParts.enterQ.setMaximum(window);
    FParts.enterQ.setValue(counted);
    game->StoreLastQuestion(counted);

    FParts.form.SetGame(std::move(game));
    FParts.form.GameChanged();
    FParts.actions.SetGameCommandsEnabled(true);
    FParts.actions.SetEnabled(ActDeposit, true);
    FParts.actions.SetEnabled(ActScrResults, true);
}
