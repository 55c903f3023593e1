#include "ui/platform/GeneralError.h"

#include "ui/text/AnsiText.h"
#include "ui/platform/Dialogs.h"
#include "base/Errors.h"
#include "ui/platform/ProgramTitle.h"

void ShowGeneralError(const Exception& error) { ShowGeneralError(FromAnsi(error.what())); }

void ShowGeneralError(const QString& message) { AppDialogs().ErrorBox(message, kProgramTitle); }
