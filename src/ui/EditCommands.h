// The changes of the marks of the current question for every team in view.
#pragma once

#include "table/widgets/GameTable.h"

struct MainParts;

class EditCommands {
public:
    explicit EditCommands(MainParts& parts) : FParts(parts) {}

    void ActAllPlusExecute();
    void ActAllMinusExecute();
    void ActInverseExecute();

private:
    void ApplyToCurrentQuestion(GameTable::WholeQuestion action);

    MainParts& FParts;
};
