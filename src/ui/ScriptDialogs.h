// The dialogs of a program driven through its script input: every box,
// file dialog and window is told on the standard output as one line of
// tab-separated fields, and answered from what the script queued before
// (Yes/No/Cancel, a file name); with nothing queued, a question is
// answered No (Cancel where offered), a file dialog is cancelled and a
// window is closed with Cancel, so a driven program never waits.
//
//   box <TAB> error|info|question <TAB> caption <TAB> text ("\r" as \r)
//   dialog <TAB> open|save|folder <TAB> title
//   window <TAB> object name
//   help <TAB> topic
#pragma once

#include "ui/platform/Dialogs.h"

#include <QByteArray>
#include <QQueue>

#include <functional>

class ScriptDialogs final : public Dialogs {
public:
    using Say = std::function<void(const QByteArray& line)>;

    explicit ScriptDialogs(Say say) : FSay(std::move(say)) {}

    QQueue<Answer> answers;
    QQueue<QString> fileNames;

    void ErrorBox(const QString& text, const QString& caption) override;
    void InfoBox(const QString& text, const QString& caption) override;
    Answer QuestionBox(const QString& text, const QString& caption, bool withCancel) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;
    QString FolderName(const FileDialogRequest& request) override;
    int Exec(QDialog& window) override;
    void ShowHelp(int topic) override;

private:
    void Tell(const char* kind, const QStringList& fields);
    QString NextFileName();

    Say FSay;
};
