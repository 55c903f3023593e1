#include "ui/CountCommands.h"

#include "model/VemoData.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/OptionsPanel.h"
#include "ui/TFormMain.h"

#include <QSpinBox>

using enum ActionId;

void CountCommands::ActAutoCountExecute() {
    if (!FParts.actions.Checked(ActAutoCount)) return;
    FParts.form.Game().CountResult();
    FParts.form.RebuildTable();
}

// The order of rows depends on these two, so they count whatever the
// automatic counting says.
void CountCommands::ActHiRatingExecute() {
    FParts.form.Game().SetHiRating(FParts.actions.Checked(ActHiRating));
    FParts.form.Game().CountResult();
    FParts.form.RebuildTable();
}

void CountCommands::ActSortByRatingExecute() {
    FParts.form.Game().SetSortByRating(FParts.actions.Checked(ActSortByRating));
    FParts.form.Game().CountResult();
    FParts.form.RebuildTable();
}

void CountCommands::ActDeposEnableExecute() {
    FParts.form.Game().SetDepositScore(FParts.actions.Checked(ActDeposEnable));
    FParts.form.CountIfAutomatic();
    FParts.form.RebuildTable();
}

void CountCommands::ActCountExecute() {
    if (!FParts.form.HasTeams()) return;
    FParts.form.Game().SetLastQuestion(FParts.enterQ.value());
    FParts.form.Game().CountResult();
    FParts.form.RebuildTable();
}

void CountCommands::ChooseRatingClick() {
    if (FParts.form.Updating()) return;
    FParts.form.Game().SetRatingPlusOne(FParts.panel.RatingPlusOne());
    FParts.form.CountIfAutomatic();
    FParts.form.RebuildTable();
}
