// The scripted dialogs are strict: a box or window the test did not
// announce or queue fails the test where it appears, and whatever the test
// queued or announced and the program never asked for fails it at the end.
#include "support/ScriptedDialogs.h"

#include "support/TestApplication.h"
#include "ui/platform/GeneralError.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case {
    const char* what;
    std::function<void(ScriptedDialogs&)> play;
    const char* failure;
};

const QString kTitle = QStringLiteral("ВеМо 2007");

void ShowWindow() {
    QDialog window;
    window.setWindowTitle(QStringLiteral("Окно"));
    AppDialogs().Exec(window);
}

}  // namespace

TEST(ScriptedDialogs, FailTheTestOnWhatItDidNotAnnounceOrQueue) {
    TestApplication();
    const Case cases[] = {
        {"an unannounced error box", [](ScriptedDialogs&) { ShowGeneralError(QStringLiteral("Сбой")); },
         "unannounced error box: Сбой"},
        {"an unannounced information box",
         [](ScriptedDialogs&) { AppDialogs().InfoBox(QStringLiteral("Готово"), kTitle); },
         "unannounced information box: Готово"},
        {"an announced box that never came",
         [](ScriptedDialogs& d) { d.ExpectError(QStringLiteral("Сбой"), kTitle); },
         "announced error box never shown: Сбой"},
        {"a question without an answer",
         [](ScriptedDialogs&) { AppDialogs().QuestionBox(QStringLiteral("Сохранить?"), kTitle, true); },
         "unexpected question: Сохранить?"},
        {"an answer never asked for", [](ScriptedDialogs& d) { d.answers.enqueue(Dialogs::Answer::Yes); },
         "queued answer(s) never asked for"},
        {"a file name never asked for", [](ScriptedDialogs& d) { d.fileNames.enqueue(QStringLiteral("a.qgm")); },
         "queued file name(s) never asked for"},
        {"a window without a step", [](ScriptedDialogs&) { ShowWindow(); }, "unexpected window: Окно"},
        {"a window step never run", [](ScriptedDialogs& d) { d.windows.enqueue([](QDialog&) {}); },
         "queued window step(s) never run"},
        {"a window its step left open",
         [](ScriptedDialogs& d) {
             d.windows.enqueue([](QDialog&) {});
             ShowWindow();
         },
         "the window stayed open after its step: Окно"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NONFATAL_FAILURE(
            {
                ScriptedDialogs dialogs;
                c.play(dialogs);
            },
            c.failure);
    }
}

TEST(ScriptedDialogs, AnnouncedBoxesAndQueuedStepsPassAndTheRealDialogsComeBack) {
    TestApplication();
    Dialogs* real = &AppDialogs();
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(&AppDialogs(), &dialogs);
        dialogs.ExpectError(QStringLiteral("Сбой"), kTitle);
        ShowGeneralError(QStringLiteral("Сбой"));
        dialogs.windows.enqueue([](QDialog& window) { window.accept(); });
        QDialog window;
        EXPECT_EQ(AppDialogs().Exec(window), QDialog::Accepted);
    }
    EXPECT_EQ(&AppDialogs(), real);
}
