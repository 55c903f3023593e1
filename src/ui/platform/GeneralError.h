// The program's general error box: the message of an error nothing else
// handled, under the program's name. The application shows it for errors
// that escape an event handler; commands that must go on after an error (a
// start-up, a closing) catch it and show it here themselves.
#pragma once

class Exception;
class QString;

void ShowGeneralError(const Exception& error);
void ShowGeneralError(const QString& message);
// Shows the error being handled; called from a catch (...) block, so that
// the program's own errors, the standard library's and any other all reach
// the user alike.
void ShowCurrentError();
