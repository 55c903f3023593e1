#include "output/widgets/OutputFiles.h"

#include "base/Errors.h"
#include "base/FileIO.h"
#include "ui/platform/Dialogs.h"

#include <QFile>

bool WriteLocalFile(const QString& path, const std::function<bool(const std::string& localPath)>& write) {
    try {
        return write(QFile::encodeName(path).toStdString());
    } catch (const Exception&) {
        return false;
    }
}

bool WriteLocalFile(const QString& path, const std::string& bytes) {
    return WriteLocalFile(path, [&bytes](const std::string& localPath) { return FileIO::ReplaceFile(localPath, bytes); });
}

void ShowWriteError() { AppDialogs().ErrorBox(QStringLiteral("Ошибка записи в файл!"), QStringLiteral("Ошибка")); }
