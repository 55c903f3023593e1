#include "ui/GameFiles.h"

#include "ui/platform/Dialogs.h"
#include "ui/platform/GameFileDialog.h"
#include "base/Errors.h"
#include "model/VemoData.h"

#include <QFileInfo>

GameFiles::GameFiles(QString programDirectory) : FLastDirectory(std::move(programDirectory)) {}

void GameFiles::RememberDirectoryOf(const QString& path) {
    FLastDirectory = QFileInfo(path).absolutePath() + u'/';
}

QString GameFiles::AskOpenPath(const QString& title) const {
    return AppDialogs().OpenFileName(GameFileRequest(title, FLastDirectory));
}

QString GameFiles::AskSavePath() const {
    return AppDialogs().SaveFileName(GameFileRequest(QStringLiteral("Сохранение игры"), FLastDirectory));
}

// The path goes to the core as the local file system spells it, so names
// outside Windows-1251 are written where the user chose.
bool GameFiles::Write(const TVemoData& game, const QString& path) {
    bool written = false;
    try {
        written = game.SaveToFile(QFile::encodeName(path).toStdString());
    } catch (const Exception&) {
        written = false;
    }
    if (!written)
        AppDialogs().ErrorBox(QStringLiteral("Ошибка записи. Файл не сохранен"), QStringLiteral("Ошибка"));
    return written;
}
