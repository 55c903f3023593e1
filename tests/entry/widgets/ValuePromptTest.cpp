// The value prompt as its callers use it: properties in, the form on
// screen, the text back in Value, whatever ValueType says.
#include "entry/widgets/TLumEnterValueDialog.h"

#include "entry/widgets/EntryWindows.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

class ValuePromptTest : public EntryWindowTest {
protected:
    // Runs the prompt with `step` as the user's part; its result.
    bool Run(const std::function<void(QDialog&)>& step) {
        dialogs.windows.enqueue(step);
        return prompt.Execute();
    }

    QObject owner;
    TLumEnterValueDialog prompt{&owner};
};

QLineEdit* Plain(QDialog& w) { return Find<QLineEdit>(w, "EnterValue"); }
QLineEdit* Masked(QDialog& w) { return Find<QLineEdit>(w, "EnterPassValue"); }

}  // namespace

TEST_F(ValuePromptTest, DefaultsShowAnEmptyPlainFieldAndOkGivesAnEmptyText) {
    const bool ok = Run([](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QString());
        EXPECT_TRUE(Plain(w)->isVisible());
        EXPECT_FALSE(Masked(w)->isVisible());
        EXPECT_EQ(Plain(w)->text(), QString());
        EXPECT_EQ(Plain(w)->pos(), QPoint(8, 16));
        EXPECT_EQ(Plain(w)->toolTip(), QString());
        EXPECT_EQ(Find<QPushButton>(w, "OKButton")->text(), QStringLiteral("OK"));
        EXPECT_EQ(Find<QPushButton>(w, "CancelButton")->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(Find<QPushButton>(w, "OKButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(prompt.Value.typeId(), QMetaType::QString);
    EXPECT_EQ(prompt.Value.toString(), QString());
}

TEST_F(ValuePromptTest, OkAndEnterGiveTheTextCancelAndEscapeAnEmptyOne) {
    struct Case {
        const char* what;
        std::function<void(QDialog&)> close;
        bool ok;
        QString value;
    };
    const std::vector<Case> cases = {
        {"OK", [](QDialog& w) { QTest::mouseClick(Find<QPushButton>(w, "OKButton"), Qt::LeftButton); }, true,
         QStringLiteral("12а")},
        {"Enter", [](QDialog& w) { QTest::keyClick(Plain(w), Qt::Key_Return); }, true, QStringLiteral("12а")},
        {"Cancel", [](QDialog& w) { QTest::mouseClick(Find<QPushButton>(w, "CancelButton"), Qt::LeftButton); },
         false, QString()},
        {"Escape", [](QDialog& w) { QTest::keyClick(Plain(w), Qt::Key_Escape); }, false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.Title = QStringLiteral("Новый номер");
        const bool ok = Run([&](QDialog& w) {
            EXPECT_EQ(w.windowTitle(), QStringLiteral("Новый номер"));
            EXPECT_EQ(Focused(w), Plain(w));
            Type(w, QStringLiteral("12а"));
            c.close(w);
        });
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(prompt.Value.toString(), c.value);
    }
}

TEST_F(ValuePromptTest, TheTextIsHandedBackAsTypedWhateverTheValueType) {
    for (TValueType type : {TValueType::fvtString, TValueType::fvtInteger, TValueType::fvtFloat}) {
        prompt.ValueType = type;
        EXPECT_TRUE(Run([](QDialog& w) {
            Type(w, QStringLiteral("abc"));
            Press(w, Qt::Key_Return);
        }));
        EXPECT_EQ(prompt.Value.toString(), QStringLiteral("abc"));
    }
}

TEST_F(ValuePromptTest, APasswordShowsItsMaskAndGivesTheRealText) {
    prompt.EnterPassword = true;
    prompt.PasswordChar = QLatin1Char('#');
    prompt.Hint = QStringLiteral("Пароль");
    EXPECT_TRUE(Run([](QDialog& w) {
        EXPECT_FALSE(Plain(w)->isVisible());
        ASSERT_TRUE(Masked(w)->isVisible());
        EXPECT_EQ(Masked(w)->pos(), QPoint(8, 16));
        EXPECT_EQ(Masked(w)->toolTip(), QStringLiteral("Пароль"));
        Type(w, QStringLiteral("секрет"));
        EXPECT_EQ(Masked(w)->displayText(), QStringLiteral("######"));
        Press(w, Qt::Key_Return);
    }));
    EXPECT_EQ(prompt.Value.toString(), QStringLiteral("секрет"));
}

TEST_F(ValuePromptTest, MaxLengthCaseAndASelectedStartingText) {
    struct Case {
        const char* what;
        std::function<void(TLumEnterValueDialog&)> set;
        QString typed;
        QString value;
    };
    const std::vector<Case> cases = {
        {"a fourth character cannot be typed", [](TLumEnterValueDialog& p) { p.MaxLength = 3; },
         QStringLiteral("1234"), QStringLiteral("123")},
        {"typing replaces a selected text",
         [](TLumEnterValueDialog& p) {
             p.Text = QStringLiteral("10");
             p.Selected = true;
         },
         QStringLiteral("4"), QStringLiteral("4")},
        {"an unselected text is typed after",
         [](TLumEnterValueDialog& p) { p.Text = QStringLiteral("10"); }, QStringLiteral("4"), QStringLiteral("104")},
        {"upper case", [](TLumEnterValueDialog& p) { p.CharCase = TEditCharCase::ecUpperCase; },
         QStringLiteral("Кот b"), QStringLiteral("КОТ B")},
        {"lower case", [](TLumEnterValueDialog& p) { p.CharCase = TEditCharCase::ecLowerCase; },
         QStringLiteral("Кот B"), QStringLiteral("кот b")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QObject owner;
        TLumEnterValueDialog fresh(&owner);
        c.set(fresh);
        dialogs.windows.enqueue([&](QDialog& w) {
            Type(w, c.typed);
            Press(w, Qt::Key_Return);
        });
        EXPECT_TRUE(fresh.Execute());
        EXPECT_EQ(fresh.Value.toString(), c.value);
    }
}

TEST_F(ValuePromptTest, F1AsksForTheValuePromptsHelp) {
    Run([](QDialog& w) {
        Press(w, Qt::Key_F1);
        Press(w, Qt::Key_Escape);
    });
    ASSERT_EQ(dialogs.Shown(ShownBox::Kind::Help).size(), 1);
    EXPECT_EQ(dialogs.Shown(ShownBox::Kind::Help)[0].text, QStringLiteral("1025"));
}
