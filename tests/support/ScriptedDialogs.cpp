#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs& ScriptedDialogs::Install() {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *dialogs;
    SetAppDialogs(std::move(dialogs));
    return ref;
}

void ScriptedDialogs::ErrorBox(const QString& text, const QString& caption) {
    shown.append({ShownBox::Kind::Error, text, caption, {}});
}

void ScriptedDialogs::InfoBox(const QString& text, const QString& caption) {
    shown.append({ShownBox::Kind::Info, text, caption, {}});
}

Dialogs::Answer ScriptedDialogs::QuestionBox(const QString& text, const QString& caption, bool withCancel) {
    shown.append({ShownBox::Kind::Question, text, caption, {}});
    if (answers.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return withCancel ? Answer::Cancel : Answer::No;
    }
    return answers.dequeue();
}

QString ScriptedDialogs::OpenFileName(const FileDialogRequest& request) {
    return NextFileName(ShownBox::Kind::Open, request);
}

QString ScriptedDialogs::SaveFileName(const FileDialogRequest& request) {
    return NextFileName(ShownBox::Kind::Save, request);
}

QString ScriptedDialogs::NextFileName(ShownBox::Kind kind, const FileDialogRequest& request) {
    shown.append({kind, {}, request.title, request});
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return {};
    }
    return fileNames.dequeue();
}

QList<ShownBox> ScriptedDialogs::Errors() const {
    QList<ShownBox> errors;
    for (const ShownBox& box : shown)
        if (box.kind == ShownBox::Kind::Error) errors.append(box);
    return errors;
}
