// Qt's own texts are Russian: the buttons of the real message boxes, the
// file dialog and the context menu of a spin box. Each real window is read
// from inside its own modal loop and closed there, as a user would close it.
#include "ui/platform/Dialogs.h"

#include "support/TestApplication.h"
#include "support/WhenOpen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A text as the user reads it: without the mnemonic's '&' and the shortcut
// after the tab.
QString Shown(const QString& text) { return text.section(u'\t', 0, 0).remove(u'&'); }

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts.append(Shown(button->text()));
    texts.sort();
    return texts;
}

class RussianDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        ASSERT_FALSE(QApplication::activeModalWidget());
    }
};

TEST_F(RussianDialogsTest, QuestionBoxesAnswerInRussian) {
    struct Case {
        bool withCancel;
        QStringList buttons;
        QMessageBox::StandardButton pressed;
        Dialogs::Answer answer;
    };
    const Case cases[] = {
        {true, {QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}, QMessageBox::Cancel, Dialogs::Answer::Cancel},
        {true, {QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}, QMessageBox::Yes, Dialogs::Answer::Yes},
        {false, {QStringLiteral("Да"), QStringLiteral("Нет")}, QMessageBox::No, Dialogs::Answer::No},
    };
    for (const Case& c : cases) {
        QString text;
        QStringList buttons;
        WhenOpen<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            buttons = ButtonTexts(box);
            QTest::mouseClick(box.button(c.pressed), Qt::LeftButton);
        });
        const Dialogs::Answer answer = AppDialogs().QuestionBox(
            QStringLiteral("Последние изменения не сохранены.\rСохранить изменения?"), QStringLiteral("Сохранение"),
            c.withCancel);
        EXPECT_EQ(text, QStringLiteral("Последние изменения не сохранены.\nСохранить изменения?"));
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST_F(RussianDialogsTest, ErrorBoxHasOneOkButton) {
    QStringList buttons;
    QString caption;
    WhenOpen<QMessageBox>([&](QMessageBox& box) {
        caption = box.windowTitle();
        buttons = ButtonTexts(box);
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    AppDialogs().ErrorBox(QStringLiteral("Ошибка записи. Файл не сохранен"), QStringLiteral("Ошибка"));
    EXPECT_EQ(caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
}

TEST_F(RussianDialogsTest, FileDialogIsQtsOwnAndRussian) {
    QStringList buttons;
    WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        auto* box = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) buttons.append(Shown(button->text()));
        dialog.reject();
    });
    FileDialogRequest request{QStringLiteral("Загрузка игры"), QDir::tempPath(), {},
                              QStringLiteral("Игровые файлы \"ВеМо 2003\" (*.qgm)"), QStringLiteral("qgm")};
    EXPECT_TRUE(AppDialogs().OpenFileName(request).isEmpty());
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Открыть"), QStringLiteral("Отмена")}));
}

// Every entry of the menu is Russian: no caption has a Latin letter.
TEST_F(RussianDialogsTest, SpinBoxContextMenuIsRussian) {
    QSpinBox spin;
    spin.setRange(0, 30);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    QStringList entries;
    WhenOpen<QMenu>([&](QMenu& menu) {
        for (QAction* action : menu.actions())
            if (!action->isSeparator()) entries.append(Shown(action->text()));
        menu.close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, spin.rect().center(), spin.mapToGlobal(spin.rect().center()));
    QApplication::sendEvent(&spin, &event);
    ASSERT_GE(entries.size(), 5);
    EXPECT_TRUE(entries.contains(QStringLiteral("Копировать"))) << entries.join(u'|').toStdString();
    for (const QString& entry : entries) EXPECT_FALSE(entry.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << entry.toStdString();
}

}  // namespace
