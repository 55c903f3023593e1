// The help window on the pages shipped beside the test program: topics open
// their pages at their anchors, one window serves every request, back and
// forward walk the history, Ctrl+F finds in the page, and the help can be
// read while a modal window runs.
#include "ui/platform/HelpWindow.h"

#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "support/WhenOpen.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ProgramDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

QList<HelpWindow*> HelpWindows() {
    QList<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<HelpWindow*>(widget)) windows.append(window);
    return windows;
}

// Types `text` key by key; QTest::keyClicks knows only ASCII.
void Type(QWidget* field, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }
    void TearDown() override {
        if (HelpWindow* window = Window()) window->close();
    }

    // The help as the user asks for it, through the real dialogs.
    HelpWindow& Show(int topic) {
        AppDialogs().ShowHelp(topic);
        HelpWindow* window = Window();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }
    static HelpWindow* Window() { return HelpWindows().value(0); }
    static QTextBrowser* Text(HelpWindow& window) { return window.findChild<QTextBrowser*>(QStringLiteral("HelpText")); }
    static QString Page(HelpWindow& window) {
        const QUrl source = Text(window)->source();
        return source.fileName() + (source.hasFragment() ? u'#' + source.fragment() : QString());
    }
    static void Press(HelpWindow& window, const char* action) {
        auto* bar = window.findChild<QToolBar*>(QStringLiteral("HelpToolBar"));
        QTest::mouseClick(bar->widgetForAction(window.findChild<QAction*>(QLatin1String(action))), Qt::LeftButton);
    }
};

TEST_F(HelpWindowTest, TopicsOpenTheirPagesAtTheirAnchorsAndOtherNumbersTheContents) {
    struct Case {
        int topic;
        QString page;
        QString title;
    };
    const Case cases[] = {
        {1006, QStringLiteral("table.html#1006"), QStringLiteral("Справка ВеМо 2007 — Ввод ответов в таблице")},
        {1007, QStringLiteral("count.html#1007"), QStringLiteral("Справка ВеМо 2007 — Подсчет результатов")},
        {0, QStringLiteral("index.html"), QStringLiteral("Справка ВеМо 2007")},
        {1017, QStringLiteral("timer.html#1017"), QStringLiteral("Справка ВеМо 2007 — Таймер обсуждения")},
        {4242, QStringLiteral("index.html"), QStringLiteral("Справка ВеМо 2007")},
    };
    for (const Case& c : cases) {
        HelpWindow& window = Show(c.topic);
        EXPECT_EQ(Page(window), c.page);
        EXPECT_EQ(window.windowTitle(), c.title);
        EXPECT_FALSE(window.isModal());
        // The anchors of these topics stand below the top of their pages.
        const int scrolled = Text(window)->verticalScrollBar()->value();
        if (c.page.contains(u'#'))
            EXPECT_GT(scrolled, 0) << c.topic;
        else
            EXPECT_EQ(scrolled, 0) << c.topic;
    }
    EXPECT_EQ(HelpWindows().size(), 1);
}

TEST_F(HelpWindowTest, BackAndForwardWalkTheHistory) {
    HelpWindow& window = Show(1001);
    Show(1006);
    Press(window, "HelpBack");
    EXPECT_EQ(Page(window), QStringLiteral("main.html#1001"));
    Press(window, "HelpForward");
    EXPECT_EQ(Page(window), QStringLiteral("table.html#1006"));
    Press(window, "HelpContents");
    EXPECT_EQ(Page(window), QStringLiteral("index.html"));
}

TEST_F(HelpWindowTest, CtrlFFindsInThePageAndStartsOverAtTheEnd) {
    HelpWindow& window = Show(1006);
    QTextBrowser* text = Text(window);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("FindText"));
    ASSERT_TRUE(field->isVisible());
    ASSERT_TRUE(field->hasFocus());

    const QString word = QStringLiteral("рейтинг");
    const int count = text->toPlainText().count(word, Qt::CaseInsensitive);
    ASSERT_GE(count, 2);
    Type(field, word);
    QList<int> found;
    for (int i = 0; i <= count; ++i) {
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(text->textCursor().selectedText().toLower(), word);
        found.append(text->textCursor().position());
    }
    // Each search goes further down; past the last the search starts over.
    for (int i = 1; i < count; ++i) EXPECT_LT(found[i - 1], found[i]);
    EXPECT_EQ(found[count], found[0]);
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text->textCursor().position(), found[count - 1]);

    field->clear();
    Type(field, QStringLiteral("нет такого текста"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("FindResult"))->text(), QStringLiteral("Не найдено"));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(field->isVisible());
}

// F1 in a modal window of the program opens the help, and the help takes
// the user's keys although the modal window is still open.
TEST_F(HelpWindowTest, TheHelpCanBeReadWhileAModalWindowRuns) {
    ProgramDialog dialog(nullptr, 1017);
    dialog.setWindowTitle(QStringLiteral("Настройка таймера"));
    int scrolled = -1;
    WhenOpen<ProgramDialog>([&scrolled](ProgramDialog& modal) {
        QTest::keyClick(&modal, Qt::Key_F1);
        HelpWindow* window = Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Page(*window), QStringLiteral("timer.html#1017"));
        QTextBrowser* text = Text(*window);
        text->verticalScrollBar()->setValue(0);
        QTest::keyClick(window->windowHandle(), Qt::Key_End);
        scrolled = text->verticalScrollBar()->value();
        EXPECT_EQ(scrolled, text->verticalScrollBar()->maximum());
        modal.reject();
    });
    dialog.exec();
    EXPECT_GT(scrolled, 0);
}

TEST_F(HelpWindowTest, AMissingHelpFolderIsReported) {
    TempDir folder;
    const ScopedEnvironment programDir("VEMO_PROGRAM_DIR", QByteArray::fromStdString(folder.Path().string()));
    QString text;
    WhenOpen<QMessageBox>([&text](QMessageBox& box) {
        text = box.windowTitle() + u'|' + box.text();
        box.accept();
    });
    AppDialogs().ShowHelp(1001);
    EXPECT_EQ(text, QStringLiteral("Ошибка|Справка не найдена:\n") + QString::fromStdString(folder.File("help/")));
    EXPECT_TRUE(!Window() || !Window()->isVisible());
}

}  // namespace
