// The window's game file: the current file, the folder the file dialogs
// start in, the open and save dialogs, and writing with the one message a
// failed write gives.
#pragma once

#include <QString>

class TVemoData;

class GameFiles {
public:
    explicit GameFiles(QString programDirectory);

    const QString& CurrentFile() const { return FCurrentFile; }
    void SetCurrentFile(const QString& path) { FCurrentFile = path; }
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
    QString FCurrentFile;
    QString FLastDirectory;
};
