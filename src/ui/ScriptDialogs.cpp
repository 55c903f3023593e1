#include "ui/ScriptDialogs.h"

#include <QDialog>
#include <QStringList>

void ScriptDialogs::Tell(const char* kind, const QStringList& fields) {
    QStringList escaped;
    for (QString field : fields) escaped.append(field.replace(QLatin1Char('\r'), QStringLiteral("\\r")));
    FSay(QByteArray(kind) + '\t' + escaped.join(QLatin1Char('\t')).toUtf8());
}

void ScriptDialogs::ErrorBox(const QString& text, const QString& caption) {
    Tell("box", {QStringLiteral("error"), caption, text});
}

void ScriptDialogs::InfoBox(const QString& text, const QString& caption) {
    Tell("box", {QStringLiteral("info"), caption, text});
}

Dialogs::Answer ScriptDialogs::QuestionBox(const QString& text, const QString& caption, bool withCancel) {
    Tell("box", {QStringLiteral("question"), caption, text});
    if (!answers.isEmpty()) return answers.dequeue();
    return withCancel ? Answer::Cancel : Answer::No;
}

QString ScriptDialogs::NextFileName() { return fileNames.isEmpty() ? QString() : fileNames.dequeue(); }

QString ScriptDialogs::OpenFileName(const FileDialogRequest& request) {
    Tell("dialog", {QStringLiteral("open"), request.title});
    return NextFileName();
}

QString ScriptDialogs::SaveFileName(const FileDialogRequest& request) {
    Tell("dialog", {QStringLiteral("save"), request.title});
    return NextFileName();
}

QString ScriptDialogs::FolderName(const FileDialogRequest& request) {
    Tell("dialog", {QStringLiteral("folder"), request.title});
    return NextFileName();
}

int ScriptDialogs::Exec(QDialog& window) {
    Tell("window", {window.objectName()});
    return QDialog::Rejected;
}

void ScriptDialogs::ShowHelp(int topic) { Tell("help", {QString::number(topic)}); }
