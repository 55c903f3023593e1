// The one door through which the program talks to the user in modal boxes,
// file dialogs, its own modal windows and the help. The real one shows
// QMessageBox, QFileDialog and the window itself; tests install a scripted
// one that records every box and plays what the user does from a queue.
#pragma once

#include <QString>

class QDialog;

struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QString filter;          // Qt form: "Игровые файлы \"ВеМо 2003\" (*.qgm)"
    QString defaultSuffix;   // without the dot: "qgm"
};

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // An error box: text, caption and an OK button.
    virtual void ErrorBox(const QString& text, const QString& caption) = 0;
    // An information box with an OK button.
    virtual void InfoBox(const QString& text, const QString& caption) = 0;
    // A question with Yes/No (withCancel false) or Yes/No/Cancel buttons.
    virtual Answer QuestionBox(const QString& text, const QString& caption, bool withCancel) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
    // An existing folder (the request's title and starting directory).
    virtual QString FolderName(const FileDialogRequest& request) = 0;
    // Runs one of the program's own windows modally and answers its result
    // (QDialog::Accepted or QDialog::Rejected). Every window goes through
    // here, so that tests can play the user's part in it.
    virtual int Exec(QDialog& window) = 0;
    // Opens the help at a topic number.
    virtual void ShowHelp(int topic) = 0;
};

// The dialogs in use; the real ones unless a test has installed others.
Dialogs& AppDialogs();
// Installs `dialogs` (tests), which must outlive their use; nullptr puts
// the real ones back.
void SetAppDialogs(Dialogs* dialogs);

// Message texts use "\r" for a line break; boxes show it as a new line.
QString MessageText(const QString& text);
