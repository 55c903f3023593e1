// A Dialogs double for window tests: records every box shown and answers
// questions and file dialogs from queues filled by the test. An unexpected
// question or file dialog fails the test instead of blocking it.
#pragma once

#include "ui/platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

struct ShownBox {
    enum class Kind { Error, Info, Question, Open, Save };
    Kind kind;
    QString text;
    QString caption;
    FileDialogRequest request;  // for Open and Save
};

class ScriptedDialogs final : public Dialogs {
public:
    // Installs a new scripted instance as the application's dialogs and
    // returns it; the application owns it.
    static ScriptedDialogs& Install();

    void ErrorBox(const QString& text, const QString& caption) override;
    void InfoBox(const QString& text, const QString& caption) override;
    Answer QuestionBox(const QString& text, const QString& caption, bool withCancel) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;

    QQueue<Answer> answers;
    // An empty string answers a file dialog with Cancel.
    QQueue<QString> fileNames;
    QList<ShownBox> shown;

    QList<ShownBox> Errors() const;

private:
    QString NextFileName(ShownBox::Kind kind, const FileDialogRequest& request);
};
