#include "ui/platform/GeneralError.h"

#include "ui/text/AnsiText.h"
#include "ui/platform/Dialogs.h"
#include "base/Errors.h"
#include "ui/platform/ProgramTitle.h"

#include <exception>

void ShowGeneralError(const Exception& error) { ShowGeneralError(FromAnsi(error.what())); }

void ShowGeneralError(const QString& message) { AppDialogs().ErrorBox(message, kProgramTitle); }

void ShowCurrentError() {
    try {
        throw;
    } catch (const Exception& error) {
        ShowGeneralError(error);
    } catch (const std::exception& error) {
        ShowGeneralError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowGeneralError(QStringLiteral("Неизвестная ошибка"));
    }
}
