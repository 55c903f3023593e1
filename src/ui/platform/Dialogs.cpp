#include "ui/platform/Dialogs.h"

#include "ui/platform/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

QWidget* ActiveParent() { return QApplication::activeWindow(); }

// Boxes stay in front of every other window of the program.
int ShowBox(QMessageBox::Icon icon, const QString& text, const QString& caption,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, MessageText(text), buttons, ActiveParent());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

class RealDialogs final : public Dialogs {
public:
    void ErrorBox(const QString& text, const QString& caption) override {
        ShowBox(QMessageBox::Critical, text, caption, QMessageBox::Ok);
    }
    void InfoBox(const QString& text, const QString& caption) override {
        ShowBox(QMessageBox::Information, text, caption, QMessageBox::Ok);
    }
    Answer QuestionBox(const QString& text, const QString& caption, bool withCancel) override {
        auto buttons = QMessageBox::Yes | QMessageBox::No;
        if (withCancel) buttons |= QMessageBox::Cancel;
        switch (ShowBox(QMessageBox::Question, text, caption, buttons)) {
            case QMessageBox::Yes: return Answer::Yes;
            case QMessageBox::No: return Answer::No;
            default: return withCancel ? Answer::Cancel : Answer::No;
        }
    }
    QString OpenFileName(const FileDialogRequest& request) override {
        return Run(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    }
    QString SaveFileName(const FileDialogRequest& request) override {
        return Run(request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    }
    QString FolderName(const FileDialogRequest& request) override {
        return Run(request, QFileDialog::AcceptOpen, QFileDialog::Directory);
    }
    int Exec(QDialog& window) override { return window.exec(); }
    void ShowHelp(int topic) override {
        if (!OpenHelp(topic))
            ErrorBox(QStringLiteral("Справка не найдена:\r") + QDir::toNativeSeparators(HelpFolder()), QStringLiteral("Ошибка"));
    }

private:
    static QString Run(const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                       QFileDialog::FileMode fileMode) {
        QFileDialog dialog(ActiveParent(), request.title, request.directory, request.filter);
        // The desktop's own dialog speaks the desktop's language; Qt's
        // speaks the program's.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(fileMode);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (fileMode == QFileDialog::Directory) dialog.setOption(QFileDialog::ShowDirsOnly);
        // A name typed without an extension takes the one of the chosen type.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            static const QRegularExpression kPattern(QStringLiteral(R"(\*\.(\w+))"));
            const QRegularExpressionMatch match = kPattern.match(filter);
            if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
        });
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }
};

RealDialogs gRealDialogs;
Dialogs* gInstalled = &gRealDialogs;

}  // namespace

Dialogs& AppDialogs() { return *gInstalled; }

void SetAppDialogs(Dialogs* dialogs) { gInstalled = dialogs ? dialogs : &gRealDialogs; }

QString MessageText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
