// The window's game files: the folder the file dialogs start in, the open
// and save dialogs, and writing with the one message a failed write gives.
// The current file is the game document's.
#pragma once

#include <QString>

class TVemoData;

class GameFiles {
public:
    explicit GameFiles(QString programDirectory);

    const QString& LastDirectory() const { return FLastDirectory; }
    // The folder of `path` becomes the start of the next file dialog.
    void RememberDirectoryOf(const QString& path);

    // The chosen path, or empty when the user cancelled.
    QString AskOpenPath(const QString& title = QStringLiteral("Загрузка игры")) const;
    QString AskSavePath() const;

    // Writes `game` to `path`; on failure shows "Ошибка записи. Файл не
    // сохранен" and answers false.
    static bool Write(const TVemoData& game, const QString& path);

private:
    QString FLastDirectory;
};
