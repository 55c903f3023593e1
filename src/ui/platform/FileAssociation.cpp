// The file association on the desktop. The set of files and their content
// are computed once for writing, testing and removing, so the three always
// agree. Writing only what differs keeps an unchanged association from
// rebuilding the desktop's databases at every start.
#include "ui/platform/FileAssociation.h"

#include "ui/text/AnsiText.h"
#include "base/Errors.h"
#include "ui/platform/DesktopDatabases.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace {

const QString kMimeType = QStringLiteral("application/x-vemo-game");
const QString kIconName = QStringLiteral("application-x-vemo-game");
constexpr int kIconSize = 64;

struct AssociationFile {
    QString path;
    QByteArray content;
};

QString DataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/';
}

QString MimePackagePath() {
    return DataHome() + QStringLiteral("mime/packages/") + FileAssociation::DesktopEntryId() +
           QStringLiteral(".xml");
}

QString DesktopEntryPath() {
    return DataHome() + QStringLiteral("applications/") + FileAssociation::DesktopEntryId() +
           QStringLiteral(".desktop");
}

QString IconPath() {
    return DataHome() + QStringLiteral("icons/hicolor/%1x%1/mimetypes/").arg(kIconSize) +
           kIconName + QStringLiteral(".png");
}

QByteArray MimePackage() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Игровой файл \"ВеМо 2007\"</comment>\n"
               "    <icon name=\"%2\"/>\n"
               "    <glob pattern=\"*.qgm\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(kMimeType, kIconName)
        .toUtf8();
}

// Inside a quoted Exec argument '"', '`', '$' and '\' take a backslash and
// a literal '%' is doubled.
QString QuotedExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        if (c == u'%') quoted += u'%';
        quoted += c;
    }
    return quoted + u'"';
}

// Every value of a desktop entry escapes its backslashes once more.
QString EntryValue(QString value) { return value.replace(u'\\', QStringLiteral("\\\\")); }

QByteArray DesktopEntry(const QString& programDirectory, const QString& executablePath) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=ВеМо 2007\n"
               "Exec=%1\n"
               "Icon=%2\n"
               "MimeType=%3;\n"
               "NoDisplay=true\n"
               "Terminal=false\n")
        .arg(EntryValue(QuotedExecArgument(executablePath) + QStringLiteral(" -open %f")),
             EntryValue(programDirectory + QStringLiteral("FileIcon.ico")), kMimeType)
        .toUtf8();
}

// The desktop's icon themes take PNG, not ICO: the icon is converted.
// Without a readable FileIcon.ico the type keeps the theme's default icon.
QByteArray ThemeIcon(const QString& programDirectory) {
    QImage icon(programDirectory + QStringLiteral("FileIcon.ico"));
    if (icon.isNull()) return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .save(&buffer, "PNG");
    return png;
}

QList<AssociationFile> WrittenFiles(const QString& programDirectory, const QString& executablePath) {
    QList<AssociationFile> files{
        {MimePackagePath(), MimePackage()},
        {DesktopEntryPath(), DesktopEntry(programDirectory, executablePath)},
    };
    QByteArray icon = ThemeIcon(programDirectory);
    if (!icon.isEmpty()) files.append({IconPath(), std::move(icon)});
    return files;
}

bool HasContent(const AssociationFile& file) {
    QFile existing(file.path);
    return existing.open(QIODevice::ReadOnly) && existing.readAll() == file.content;
}

[[noreturn]] void Fail(const QString& message, const QString& path) {
    throw Exception(ToAnsi(message + QStringLiteral(" \"") + QDir::toNativeSeparators(path) +
                           u'"'));
}

void Write(const AssociationFile& file) {
    QDir().mkpath(QFileInfo(file.path).absolutePath());
    QSaveFile out(file.path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.content) != file.content.size() ||
        !out.commit())
        Fail(QStringLiteral("Не удается записать файл"), file.path);
}

// True when the file was there and is now gone.
bool Remove(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    if (!QFile::remove(path)) Fail(QStringLiteral("Не удается удалить файл"), path);
    return true;
}

}  // namespace

FileAssociation::FileAssociation(QString programDirectory, QString executablePath)
    : FProgramDirectory(std::move(programDirectory)), FExecutablePath(std::move(executablePath)) {}

QString FileAssociation::DesktopEntryId() { return QStringLiteral("vemo-2007"); }

bool FileAssociation::IsAssociated() const {
    for (const AssociationFile& file : WrittenFiles(FProgramDirectory, FExecutablePath))
        if (!HasContent(file)) return false;
    return true;
}

void FileAssociation::Apply(bool on) {
    bool changed = false;
    if (on) {
        for (const AssociationFile& file : WrittenFiles(FProgramDirectory, FExecutablePath)) {
            if (HasContent(file)) continue;
            Write(file);
            changed = true;
        }
    } else {
        for (const QString& path : {MimePackagePath(), DesktopEntryPath(), IconPath()})
            changed = Remove(path) || changed;
    }
    // The desktop reads the association from databases built from these
    // files; a desktop without the tools reads the files themselves.
    if (changed) RefreshDesktopDatabases(DataHome());
}
