// The file dialogs of game files: the filter and the default extension of
// every window that opens or saves games.
#pragma once

#include "ui/platform/Dialogs.h"

// A game file dialog titled `title`, starting in `directory`.
inline FileDialogRequest GameFileRequest(const QString& title, const QString& directory) {
    FileDialogRequest request;
    request.title = title;
    request.directory = directory;
    request.filter = QStringLiteral("Игровые файлы \"ВеМо 2003\" (*.qgm)");
    request.defaultSuffix = QStringLiteral("qgm");
    return request;
}
