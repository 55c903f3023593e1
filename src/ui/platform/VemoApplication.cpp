// The application object. Errors that no window catches (input/output,
// settings store) end here and are shown to the user; the event that raised
// one counts as handled and the event loop goes on.
#include "VemoApplication.h"

#include "AnsiText.h"
#include "Dialogs.h"
#include "Errors.h"
#include "FileAssociation.h"

#include <exception>

namespace {

const QString kTitle = QStringLiteral("ВеМо 2007");

}  // namespace

VemoApplication::VemoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kTitle);
    setDesktopFileName(FileAssociation::DesktopEntryId());
}

bool VemoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& error) {
        AppDialogs().ErrorBox(FromAnsi(error.what()), kTitle);
    } catch (const std::exception& error) {
        AppDialogs().ErrorBox(QString::fromLocal8Bit(error.what()), kTitle);
    } catch (...) {
        AppDialogs().ErrorBox(QStringLiteral("Неизвестная ошибка"), kTitle);
    }
    return true;
}
