#include "ui/EntryCommands.h"

#include "entry/widgets/TFormReg.h"
#include "model/VemoData.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/TFormMain.h"
#include "ui/document/GameDocument.h"
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
// game counts what EnterQ shows. The document then counts the game (when
// counting is automatic), marks it changed and the table follows.
void EntryCommands::TakeRegisteredGame(std::unique_ptr<TVemoData> game) {
    const TGroupData* group = game->GroupByIndex(game->CurrentGroup() - 1);
    if (group && game->GroupTeamCount(group) == 0) game->SetCurrentGroup(0);
    const int window = game->WindowQuestionCount();
    int counted = std::min(FParts.enterQ.value(), window);
    if (counted == 0) counted = window;
    game->StoreLastQuestion(counted);

    // One step of the history: an undo brings the game before the registration back.
    if (!FParts.document.Replace(std::move(game), QStringLiteral("Регистрация команд"))) return;
    FParts.enterQ.setMaximum(window);
    FParts.enterQ.setValue(counted);
    FParts.actions.SetGameCommandsEnabled(true);
    FParts.actions.SetEnabled(ActDeposit, true);
    FParts.actions.SetEnabled(ActScrResults, true);
}
