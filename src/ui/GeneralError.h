// The program's general error box, for core errors a command catches
// itself because the rest of it (a start-up, a closing) must still run.
#pragma once

class Exception;

void ShowGeneralError(const Exception& error);
