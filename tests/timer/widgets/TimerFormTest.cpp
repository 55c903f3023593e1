// The timer's settings window as the user works it: the seconds move with
// the arrows only, a browse asks the scripted open dialog and passes the
// file on at once, a test button plays the field's file.
#include "timer/widgets/TTimerForm.h"

#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TimerFormTest : public ::testing::Test {
protected:
    TimerFormTest() { TestApplication(); }

    // Opens a window on `values` and runs `step` in it through the seam.
    TimerDialogValues Run(const TimerDialogValues& values, const std::function<void(QDialog&)>& step) {
        TTimerForm form(values, player, QStringLiteral("/program/"),
                        [this](TimerSound sound, const QString& path) { chosen.append({sound, path}); });
        dialogs.windows.enqueue(step);
        AppDialogs().Exec(form);
        return form.Values();
    }

    template <class Widget>
    static Widget* Find(QDialog& window, const char* name) {
        auto* widget = window.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void Close(QDialog& window) { QTest::mouseClick(Find<QPushButton>(window, "OKButton"), Qt::LeftButton); }

    ScriptedDialogs dialogs;
    SoundLog log;
    RecordingSoundPlayer player{log};
    QList<std::pair<TimerSound, QString>> chosen;
};

const TimerDialogValues kValues{60, 10, "/sounds/warn.wav", "", true, false};

}  // namespace

TEST_F(TimerFormTest, ShowsTheValuesItIsGiven) {
    Run(kValues, [](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Настройка таймера"));
        EXPECT_EQ(Find<QSpinBox>(w, "EnterAllTime")->value(), 60);
        EXPECT_EQ(Find<QSpinBox>(w, "EnterWarTime")->value(), 10);
        EXPECT_EQ(Find<QLineEdit>(w, "EnterWar")->text(), QStringLiteral("/sounds/warn.wav"));
        EXPECT_TRUE(Find<QLineEdit>(w, "EnterWar")->isReadOnly());
        EXPECT_TRUE(Find<QCheckBox>(w, "CheckWar")->isChecked());
        EXPECT_EQ(Find<QCheckBox>(w, "CheckEnd")->text(), QStringLiteral("Сигнал конца времени"));
        EXPECT_FALSE(Find<QCheckBox>(w, "CheckEnd")->isChecked());
        EXPECT_EQ(Find<QAbstractButton>(w, "BrowseEndButton")->toolTip(), QStringLiteral("Обзор..."));
        EXPECT_EQ(Find<QAbstractButton>(w, "TestEndButton")->toolTip(), QStringLiteral("Тест"));
        EXPECT_EQ(w.findChild<QPushButton*>(QStringLiteral("CancelButton")), nullptr);
        Close(w);
    });
}

TEST_F(TimerFormTest, SecondsMoveWithTheArrowsOnlyWithinOneTo200) {
    struct Case {
        const char* what;
        uint16_t start;
        std::function<void(QSpinBox*)> act;
        uint16_t expected;
    };
    const std::vector<Case> cases = {
        {"typing is refused", 60, [](QSpinBox* e) { QTest::keyClicks(e, "5"); }, 60},
        {"select all and type is refused too",
         60,
         [](QSpinBox* e) {
             QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(e, "120");
         },
         60},
        {"the up arrow key", 60, [](QSpinBox* e) { QTest::keyClick(e, Qt::Key_Up); }, 61},
        {"the down arrow key", 60, [](QSpinBox* e) { QTest::keyClick(e, Qt::Key_Down); }, 59},
        {"not above 200", 200, [](QSpinBox* e) { QTest::keyClick(e, Qt::Key_Up); }, 200},
        {"not below 1", 1, [](QSpinBox* e) { QTest::keyClick(e, Qt::Key_Down); }, 1},
        {"a configured 0 shows as 1", 0, [](QSpinBox*) {}, 1},
        {"a configured 500 shows as 200", 500, [](QSpinBox*) {}, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TimerDialogValues values = Run({c.start, c.start, "", "", false, false}, [&](QDialog& w) {
            for (const char* name : {"EnterAllTime", "EnterWarTime"}) {
                auto* edit = Find<QSpinBox>(w, name);
                edit->setFocus();
                c.act(edit);
            }
            Close(w);
        });
        EXPECT_EQ(values.AllTime, c.expected);
        EXPECT_EQ(values.WarTime, c.expected);
    }
}

TEST_F(TimerFormTest, BrowsePutsTheChosenFileInTheFieldAndPassesItOnAtOnce) {
    dialogs.fileNames.enqueue(QStringLiteral("/home/user/gong.wav"));
    const TimerDialogValues values = Run(kValues, [this](QDialog& w) {
        QTest::mouseClick(Find<QAbstractButton>(w, "BrowseEndButton"), Qt::LeftButton);
        EXPECT_EQ(Find<QLineEdit>(w, "EnterEnd")->text(), QStringLiteral("/home/user/gong.wav"));
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen[0].first, TimerSound::End);
        EXPECT_EQ(chosen[0].second, QStringLiteral("/home/user/gong.wav"));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(values.EndPath, "/home/user/gong.wav");
    const ShownBox open = dialogs.Shown(ShownBox::Kind::Open).value(0);
    EXPECT_EQ(open.request.filter, QStringLiteral("Звуковые файлы (*.wav)"));
    EXPECT_EQ(open.request.directory, QStringLiteral("/program/"));
}

TEST_F(TimerFormTest, ACancelledBrowseChangesNothing) {
    dialogs.fileNames.enqueue(QString());
    const TimerDialogValues values = Run(kValues, [](QDialog& w) {
        QTest::mouseClick(Find<QAbstractButton>(w, "BrowseWarButton"), Qt::LeftButton);
        Close(w);
    });
    EXPECT_EQ(values.WarPath, kValues.WarPath);
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(TimerFormTest, TestPlaysTheFieldsFileAndNothingWithoutOne) {
    Run(kValues, [](QDialog& w) {
        QTest::mouseClick(Find<QAbstractButton>(w, "TestWarButton"), Qt::LeftButton);
        QTest::mouseClick(Find<QAbstractButton>(w, "TestEndButton"), Qt::LeftButton);
        Close(w);
    });
    EXPECT_EQ(log.played, QStringList{QStringLiteral("/sounds/warn.wav")});
}
