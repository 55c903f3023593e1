#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const char* KindName(ShownBox::Kind kind) { return kind == ShownBox::Kind::Error ? "error" : "information"; }

}  // namespace

ScriptedDialogs::ScriptedDialogs() : FPrevious(&AppDialogs()) { SetAppDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() {
    SetAppDialogs(FPrevious);
    for (const Announced& box : FAnnounced)
        ADD_FAILURE() << "announced " << KindName(box.kind) << " box never shown: " << box.text.toStdString();
    if (!answers.isEmpty()) ADD_FAILURE() << answers.size() << " queued answer(s) never asked for";
    if (!fileNames.isEmpty()) ADD_FAILURE() << fileNames.size() << " queued file name(s) never asked for";
    if (!windows.isEmpty()) ADD_FAILURE() << windows.size() << " queued window step(s) never run";
}

void ScriptedDialogs::ExpectError(const QString& text, const QString& caption) {
    FAnnounced.enqueue({ShownBox::Kind::Error, text, caption});
}

void ScriptedDialogs::ExpectInfo(const QString& text, const QString& caption) {
    FAnnounced.enqueue({ShownBox::Kind::Info, text, caption});
}

QList<ShownBox> ScriptedDialogs::Shown(ShownBox::Kind kind) const {
    QList<ShownBox> boxes;
    for (const ShownBox& box : shown)
        if (box.kind == kind) boxes.append(box);
    return boxes;
}

void ScriptedDialogs::Message(ShownBox::Kind kind, const QString& text, const QString& caption) {
    shown.append({kind, text, caption, {}});
    if (FAnnounced.isEmpty()) {
        ADD_FAILURE() << "unannounced " << KindName(kind) << " box: " << text.toStdString();
        return;
    }
    const Announced expected = FAnnounced.dequeue();
    EXPECT_EQ(KindName(kind), std::string(KindName(expected.kind))) << text.toStdString();
    EXPECT_EQ(text, expected.text);
    EXPECT_EQ(caption, expected.caption);
}

void ScriptedDialogs::ErrorBox(const QString& text, const QString& caption) {
    Message(ShownBox::Kind::Error, text, caption);
}

void ScriptedDialogs::InfoBox(const QString& text, const QString& caption) {
    Message(ShownBox::Kind::Info, text, caption);
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

QString ScriptedDialogs::FolderName(const FileDialogRequest& request) {
    return NextFileName(ShownBox::Kind::Folder, request);
}

QString ScriptedDialogs::NextFileName(ShownBox::Kind kind, const FileDialogRequest& request) {
    shown.append({kind, {}, request.title, request});
    if (fileNames.isEmpty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return {};
    }
    return fileNames.dequeue();
}

int ScriptedDialogs::Exec(QDialog& window) {
    shown.append({ShownBox::Kind::Window, window.objectName(), window.windowTitle(), {}});
    if (windows.isEmpty()) {
        ADD_FAILURE() << "unexpected window: " << window.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    // A modal window takes the keyboard, as it does for the user, also over
    // a window that had it, and gives it back when it closes: the keys of a
    // step go where the focus is.
    const QPointer<QWidget> previous = QApplication::activeWindow();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << window.windowTitle().toStdString();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << window.windowTitle().toStdString();
    windows.dequeue()(window);
    if (window.isVisible()) {
        ADD_FAILURE() << "the window stayed open after its step: " << window.windowTitle().toStdString();
        window.reject();
    }
    if (previous && previous->isVisible()) {
        previous->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(previous)) << previous->windowTitle().toStdString();
    }
    return window.result();
}

void ScriptedDialogs::ShowHelp(int topic) { shown.append({ShownBox::Kind::Help, QString::number(topic), {}, {}}); }
