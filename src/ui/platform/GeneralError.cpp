#include "GeneralError.h"

#include "AnsiText.h"
#include "Dialogs.h"
#include "Errors.h"
#include "ProgramTitle.h"

void ShowGeneralError(const Exception& error) { ShowGeneralError(FromAnsi(error.what())); }

void ShowGeneralError(const QString& message) { AppDialogs().ErrorBox(message, kProgramTitle); }
