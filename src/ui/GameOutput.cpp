#include "ui/GameOutput.h"

#include "model/VemoData.h"
#include "ui/CountCommands.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/OptionsPanel.h"
#include "ui/TFormMain.h"

using enum ActionId;

ReportData GameOutput::Data(InfoType type) {
    return GameReportData(FParts.form.Game(), type,
                          FParts.panel.RatingPlusOne() ? RatingType::PlusOne : RatingType::Zero);
}

void GameOutput::OrderByPlaces() {
    FParts.actions.SetChecked(ActSortByRating, false);
    FParts.form.Game().SetSortByRating(false);
    CountCommands(FParts).ActCountExecute();
}
