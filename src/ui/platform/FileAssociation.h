// The association of game files (*.qgm) with the program on the desktop:
// a desktop entry, a shared-mime-info package and the file-type icon,
// all under $XDG_DATA_HOME (by default ~/.local/share).
#pragma once

#include <QString>

class FileAssociation {
public:
    // `programDirectory` ends with '/' and holds FileIcon.ico;
    // `executablePath` is what the desktop starts for a game file.
    FileAssociation(QString programDirectory, QString executablePath);

    // True exactly when every file is in place with the content Apply(true)
    // writes.
    bool IsAssociated() const;
    // Writes the files (on) or removes them (off), then starts the refresh
    // of the desktop's databases in the background. A file that cannot be
    // written or removed throws Exception.
    void Apply(bool on);

    // The name of the desktop entry without ".desktop"; the application
    // gives it to the desktop so that its windows are matched to the entry.
    static QString DesktopEntryId();

private:
    QString FProgramDirectory;
    QString FExecutablePath;
};
