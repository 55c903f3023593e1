// The application object. Errors that no window catches (input/output,
// settings store) end here and are shown to the user; the event that raised
// one counts as handled and the event loop goes on.
#include "ui/platform/VemoApplication.h"

#include "ui/platform/FileAssociation.h"
#include "ui/platform/GeneralError.h"
#include "ui/platform/ProgramTitle.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

VemoApplication::VemoApplication(int& argc, char** argv)
    : QApplication(argc, argv), FQtTranslation(new QTranslator(this)) {
    setApplicationName(kProgramTitle);
    setDesktopFileName(FileAssociation::DesktopEntryId());
    LoadQtTranslation();
}

// The program speaks Russian whatever the desktop's language, so Qt's
// catalogue is chosen by name, not by the system's locale. "qt_ru" pulls in
// the catalogues of every Qt module (base, multimedia, ...).
void VemoApplication::LoadQtTranslation() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (FQtTranslation->load(QStringLiteral("qt_ru"), folder)) {
        installTranslator(FQtTranslation);
        return;
    }
    std::fprintf(stderr, "VeMo: Qt's Russian translation is missing in %s (package qt6-translations-l10n); "
                         "Qt's own buttons stay English\n", qPrintable(folder));
}

bool VemoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentError();
    }
    return true;
}
