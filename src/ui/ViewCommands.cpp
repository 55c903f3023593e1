#include "ui/ViewCommands.h"

#include "model/VemoData.h"
#include "table/widgets/GameTable.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/OptionsPanel.h"
#include "ui/TFormMain.h"
#include "ui/platform/Dialogs.h"
#include "ui/text/AnsiText.h"

#include <QCoreApplication>
#include <QSpinBox>

using enum ActionId;

void ViewCommands::ActSettExecute() {
    if (FParts.form.Updating()) return;
    FParts.panel.setVisible(FParts.actions.Checked(ActSett));
}

void ViewCommands::ActOutExecute() {
    if (FParts.form.Updating()) return;
    FParts.form.RebuildTable();
}

void ViewCommands::ActGraphTableExecute() {
    FParts.table.SetGraphic(FParts.actions.Checked(ActGraphTable));
    QCoreApplication::processEvents();
    FParts.form.RebuildTable();
}

void ViewCommands::ToursBoxChange(int index) {
    TVemoData& game = FParts.form.Game();
    game.SetCurrentTour(index);
    FParts.form.CountIfAutomatic();
    FParts.form.RebuildTable();
    FParts.enterQ.setMaximum(game.LastQuestion());
    FParts.enterQ.setValue(game.LastQuestion());
}

void ViewCommands::GroupsBoxChange(int index) {
    TVemoData& game = FParts.form.Game();
    const TGroupData* group = index > 0 ? game.GroupByIndex(index - 1) : nullptr;
    if (group && game.GroupTeamCount(group) == 0) {
        AppDialogs().ErrorBox(QStringLiteral("Группа \"") + FromAnsi(group->Name) +
                                  QStringLiteral("\" не содержит ни одной команды."),
                              QStringLiteral("Ошибка"));
        FParts.panel.SetGroupIndex(game.CurrentGroup());
        return;
    }
    game.SetCurrentGroup(index);
    FParts.form.CountIfAutomatic();
    FParts.form.RebuildTable();
}
