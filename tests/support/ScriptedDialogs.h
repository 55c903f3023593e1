// The dialogs of a test: installed in place of the real ones for the life
// of the object and put back at its end. The test queues what the user
// answers (questions, file dialogs) and does in the program's own windows,
// and announces the error and information boxes it expects, text and
// caption. A box, file dialog or window nothing was queued or announced
// for fails the test where it appears; whatever was queued or announced
// and never came fails it at the end.
#pragma once

#include "ui/platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

struct ShownBox {
    enum class Kind { Error, Info, Question, Open, Save, Window, Help, Folder };
    Kind kind;
    QString text;      // the window's object name for a window, the topic for help
    QString caption;   // the window's title for a window
    FileDialogRequest request;  // for Open, Save and Folder
};

class ScriptedDialogs final : public Dialogs {
public:
    // What the user does in a window: fill its widgets through events and
    // close it with OK or Cancel. The window is shown while the step runs.
    using WindowStep = std::function<void(QDialog& window)>;

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void ExpectError(const QString& text, const QString& caption);
    void ExpectInfo(const QString& text, const QString& caption);

    QQueue<Answer> answers;
    // An empty string answers a file or folder dialog with Cancel.
    QQueue<QString> fileNames;
    QQueue<WindowStep> windows;
    // Every box, dialog and window in the order they came.
    QList<ShownBox> shown;

    QList<ShownBox> Shown(ShownBox::Kind kind) const;

    void ErrorBox(const QString& text, const QString& caption) override;
    void InfoBox(const QString& text, const QString& caption) override;
    Answer QuestionBox(const QString& text, const QString& caption, bool withCancel) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;
    QString FolderName(const FileDialogRequest& request) override;
    int Exec(QDialog& window) override;
    void ShowHelp(int topic) override;

private:
    struct Announced {
        ShownBox::Kind kind;
        QString text;
        QString caption;
    };
    void Message(ShownBox::Kind kind, const QString& text, const QString& caption);
    QString NextFileName(ShownBox::Kind kind, const FileDialogRequest& request);

    Dialogs* FPrevious;
    QQueue<Announced> FAnnounced;
};
