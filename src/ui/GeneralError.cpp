#include "GeneralError.h"

#include "AnsiText.h"
#include "Dialogs.h"
#include "Errors.h"
#include "WindowTitle.h"

void ShowGeneralError(const Exception& error) { AppDialogs().ErrorBox(FromAnsi(error.what()), kProgramTitle); }
