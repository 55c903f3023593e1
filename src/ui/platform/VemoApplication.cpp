// The application object. Errors that no window catches (input/output,
// settings store) end here and are shown to the user; the event that raised
// one counts as handled and the event loop goes on.
#include "ui/platform/VemoApplication.h"

#include "base/Errors.h"
#include "ui/platform/FileAssociation.h"
#include "ui/platform/GeneralError.h"
#include "ui/platform/ProgramTitle.h"

#include <exception>

VemoApplication::VemoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kProgramTitle);
    setDesktopFileName(FileAssociation::DesktopEntryId());
}

bool VemoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& error) {
        ShowGeneralError(error);
    } catch (const std::exception& error) {
        ShowGeneralError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowGeneralError(QStringLiteral("Неизвестная ошибка"));
    }
    return true;
}
