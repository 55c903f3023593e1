// Lock files and the socket live in the user's runtime folder, private to him.
#include "ui/platform/LockDirectory.h"

#include <QDir>
#include <QStandardPaths>

QString LockDirectory() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    return directory + u'/';
}
