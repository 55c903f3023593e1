#include "entry/widgets/EntryPictures.h"

// A static library registers its resources itself, before their first use.
static void RegisterEntryPictures() { Q_INIT_RESOURCE(entry_widgets); }

QIcon EntryPicture(const char* name) {
    static const bool registered = (RegisterEntryPictures(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/vemo/entry/%1.svg").arg(QLatin1String(name)));
}
