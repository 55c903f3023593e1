#include "ui/EditCommands.h"

#include "ui/MainParts.h"
#include "ui/TFormMain.h"

void EditCommands::ApplyToCurrentQuestion(GameTable::WholeQuestion action) {
    FParts.table.SetWholeQuestion(action);
    FParts.form.GameChanged();
}

void EditCommands::ActAllPlusExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::AllPlus); }

void EditCommands::ActAllMinusExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::AllMinus); }

void EditCommands::ActInverseExecute() { ApplyToCurrentQuestion(GameTable::WholeQuestion::Inverse); }
