// The preview of a team list import "Импорт команд": what the file will add
// (each accepted row as a team with its name, town, captain, coach and
// group, and the groups to be created) and the rows refused with their
// reasons. OK ("Добавить") lets the registration add the accepted teams;
// Cancel adds nothing. OK is off when no row is accepted.
#pragma once

#include "ui/platform/ProgramDialog.h"

struct ImportPlan;

class TFormImport : public ProgramDialog {
    Q_OBJECT
public:
    TFormImport(const ImportPlan& plan, QWidget* parent);
};
