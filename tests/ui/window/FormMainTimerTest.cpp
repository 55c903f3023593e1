// The discussion timer in the main window, driven as the presenter drives
// it: Ctrl+Q and Ctrl+W, the ticks of TimerForTimer (fired here one by one
// instead of waiting for them), the settings window through the scripted
// seam, and the signals asked of the sound player.
#include "FormMainFixture.h"

#include "settings/ProgramConfig.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempDir.h"
#include "timer/WaveFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

QImage Picture(const QIcon& icon) { return icon.pixmap(18, 18).toImage(); }
QImage Picture(const char* name) { return Picture(QIcon(QStringLiteral(":/vemo/icons/%1.svg").arg(QLatin1String(name)))); }

template <class Widget>
Widget* In(QDialog& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QDialog& window, const char* name) { QTest::mouseClick(In<QAbstractButton>(window, name), Qt::LeftButton); }

// A check box toggles with the space bar where it has the focus.
void Toggle(QDialog& window, const char* name) {
    auto* box = In<QCheckBox>(window, name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
}

// Steps a spin edit with its arrow keys, as far as `target`.
void StepTo(QSpinBox* edit, int target) {
    edit->setFocus();
    while (edit->value() < target) QTest::keyClick(edit, Qt::Key_Up);
    while (edit->value() > target) QTest::keyClick(edit, Qt::Key_Down);
}

}  // namespace

class FormMainTimerTest : public FormMainTest {
protected:
    // Settings written to Vemo.cfg before the window starts.
    void Configure(uint16_t all, uint16_t warn, std::string warnSound = {}, std::string endSound = {}) {
        ProgramConfig config;
        config.TimerAll = all;
        config.TimerWarn = warn;
        config.PlayWarn = !warnSound.empty();
        config.PlayEnd = !endSound.empty();
        config.WayWarn = std::move(warnSound);
        config.WayEnd = std::move(endSound);
        SaveProgramConfig(ConfigFile(), config);
    }

    QTimer* TimerForTimer() const { return FForm->findChild<QTimer*>(QStringLiteral("TimerForTimer")); }
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) QMetaObject::invokeMethod(TimerForTimer(), "timeout");
    }
    void Key(Qt::Key key) { QTest::keyClick(FForm.get(), key, Qt::ControlModifier); }

    QLabel* Label(const char* name) const { return FForm->findChild<QLabel*>(QLatin1String(name)); }
    // The digits as drawn: both labels' text, and whether the front one is
    // drawn in `colour` (its shadow is black).
    QString Display() const {
        EXPECT_EQ(Label("TimerLabel")->text(), Label("TimerLabel2")->text());
        return Label("TimerLabel")->text();
    }
    bool DrawnIn(const QColor& colour) const {
        return Drawn([&colour](const QColor& pixel) { return pixel == colour; });
    }
    // The shadow shows as a one-pixel fringe, blended at its edges.
    bool ShadowDrawn() const {
        return Drawn([](const QColor& pixel) { return std::max({pixel.red(), pixel.green(), pixel.blue()}) < 64; });
    }
    bool Drawn(const std::function<bool(const QColor&)>& match) const {
        const QImage image = Label("TimerLabel")->parentWidget()->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (match(image.pixelColor(x, y))) return true;
        return false;
    }
    void ExpectShown(const QString& text, const QColor& colour) {
        EXPECT_EQ(Display(), text);
        EXPECT_TRUE(DrawnIn(colour)) << text.toStdString();
        EXPECT_FALSE(DrawnIn(colour == kRed ? kGreen : kRed)) << text.toStdString();
        EXPECT_TRUE(ShadowDrawn()) << text.toStdString();
    }
    bool ShowsPause() const { return Picture(Action("ActTimerStart")->icon()) == Picture("timerpause"); }

    // Opens the settings window and plays `step` in it.
    void Settings(ScriptedDialogs::WindowStep step) {
        FDialogs.windows.enqueue(std::move(step));
        Action("ActTimerSett")->trigger();
        // The keys of the main window work again once it is active, as after
        // any modal window.
        FForm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
    }
    ProgramConfig Written() {
        EXPECT_FALSE(Close());
        ProgramConfig config;
        EXPECT_TRUE(LoadProgramConfig(ConfigFile(), config));
        return config;
    }

    ScopedRecordingPlayers FPlayers;
};

TEST_F(FormMainTimerTest, CtrlQStartsAndPausesCtrlWStopsAndResets) {
    Start();
    ExpectShown(QStringLiteral("60"), kGreen);
    EXPECT_FALSE(TimerForTimer()->isActive());
    EXPECT_EQ(TimerForTimer()->interval(), 1000);
    EXPECT_FALSE(ShowsPause());

    Key(Qt::Key_Q);
    EXPECT_TRUE(TimerForTimer()->isActive());
    EXPECT_TRUE(ShowsPause());
    Tick(3);
    ExpectShown(QStringLiteral("57"), kGreen);

    Key(Qt::Key_Q);
    EXPECT_FALSE(TimerForTimer()->isActive());
    EXPECT_FALSE(ShowsPause());
    Tick();  // a tick still on its way when paused changes nothing
    EXPECT_EQ(Display(), QStringLiteral("57"));

    Key(Qt::Key_Q);
    Tick();
    EXPECT_EQ(Display(), QStringLiteral("56"));

    Key(Qt::Key_W);
    ExpectShown(QStringLiteral("60"), kGreen);
    EXPECT_FALSE(TimerForTimer()->isActive());
    EXPECT_FALSE(ShowsPause());
    Key(Qt::Key_Q);
    Tick();
    EXPECT_EQ(Display(), QStringLiteral("59"));
}

TEST_F(FormMainTimerTest, ACountdownTurnsRedAtTheWarningAndEndsWithItsSignal) {
    Configure(12, 3, "/sounds/warn.wav", "/sounds/end.wav");
    Start();
    ExpectShown(QStringLiteral("12"), kGreen);
    Key(Qt::Key_Q);
    Tick(8);
    ExpectShown(QStringLiteral("04"), kGreen);
    EXPECT_TRUE(FPlayers.log.played.isEmpty());
    Tick();
    ExpectShown(QStringLiteral("03"), kRed);
    EXPECT_EQ(FPlayers.log.played, QStringList{QStringLiteral("/sounds/warn.wav")});
    Key(Qt::Key_Q);  // a pause keeps the red
    ExpectShown(QStringLiteral("03"), kRed);
    Key(Qt::Key_Q);
    Tick(3);
    ExpectShown(QStringLiteral("00"), kRed);
    EXPECT_TRUE(TimerForTimer()->isActive());
    Tick();
    ExpectShown(QStringLiteral("12"), kGreen);
    EXPECT_FALSE(TimerForTimer()->isActive());
    EXPECT_FALSE(ShowsPause());
    EXPECT_EQ(FPlayers.log.played, (QStringList{QStringLiteral("/sounds/warn.wav"), QStringLiteral("/sounds/end.wav")}));
}

TEST_F(FormMainTimerTest, TheSettingsWindowShowsTheCurrentValues) {
    Configure(90, 15, "/sounds/warn.wav");
    Start();
    Settings([](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Настройка таймера"));
        EXPECT_EQ(In<QSpinBox>(w, "EnterAllTime")->value(), 90);
        EXPECT_EQ(In<QSpinBox>(w, "EnterWarTime")->value(), 15);
        EXPECT_TRUE(In<QCheckBox>(w, "CheckWar")->isChecked());
        EXPECT_EQ(In<QLineEdit>(w, "EnterWar")->text(), QStringLiteral("/sounds/warn.wav"));
        EXPECT_FALSE(In<QCheckBox>(w, "CheckEnd")->isChecked());
        EXPECT_EQ(In<QLineEdit>(w, "EnterEnd")->text(), QString());
        QTest::keyClick(&w, Qt::Key_F1);
        Click(w, "OKButton");
    });
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Help).value(0).text, QStringLiteral("1017"));
}

TEST_F(FormMainTimerTest, ClosingTheSettingsInAnyWayAppliesThem) {
    struct Case {
        const char* how;
        std::function<void(QDialog&)> close;
    };
    const std::vector<Case> cases = {
        {"OK", [](QDialog& w) { Click(w, "OKButton"); }},
        {"Escape", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"the window's close box", [](QDialog& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Configure(60, 10, "/sounds/warn.wav", "/sounds/end.wav");
        Start();
        Settings([&](QDialog& w) {
            StepTo(In<QSpinBox>(w, "EnterAllTime"), 30);
            StepTo(In<QSpinBox>(w, "EnterWarTime"), 40);
            Toggle(w, "CheckWar");
            c.close(w);
        });
        ExpectShown(QStringLiteral("30"), kGreen);
        const ProgramConfig config = Written();
        EXPECT_EQ(config.TimerAll, 30);
        EXPECT_EQ(config.TimerWarn, 30) << "lowered to the full time";
        EXPECT_FALSE(config.PlayWarn);
        EXPECT_TRUE(config.PlayEnd);
        EXPECT_EQ(config.WayEnd, "/sounds/end.wav");
    }
}

TEST_F(FormMainTimerTest, AnEmptyPathUnchecksItsBox) {
    ProgramConfig config;
    config.PlayEnd = true;  // checked, but no file and none shipped
    SaveProgramConfig(ConfigFile(), config);
    Start();
    Settings([](QDialog& w) {
        EXPECT_TRUE(In<QCheckBox>(w, "CheckEnd")->isChecked());
        Click(w, "OKButton");
    });
    Settings([](QDialog& w) {
        EXPECT_FALSE(In<QCheckBox>(w, "CheckEnd")->isChecked());
        Click(w, "OKButton");
    });
    EXPECT_FALSE(Written().PlayEnd);
}

TEST_F(FormMainTimerTest, ANewFullTimeShowsAtOnceAndTheCountdownGoesOn) {
    Configure(10, 8);
    Start();
    Key(Qt::Key_Q);
    Tick(2);
    ExpectShown(QStringLiteral("08"), kRed);
    Settings([](QDialog& w) {
        StepTo(In<QSpinBox>(w, "EnterAllTime"), 9);
        Click(w, "OKButton");
    });
    ExpectShown(QStringLiteral("9"), kRed);  // plain decimal, colour kept
    EXPECT_TRUE(TimerForTimer()->isActive());
    Tick();
    ExpectShown(QStringLiteral("07"), kRed);
    Key(Qt::Key_W);
    ExpectShown(QStringLiteral("09"), kGreen);
}

TEST_F(FormMainTimerTest, ABrowsedFileIsTheSignalAtOnceAndATestedOneStopsAtClosing) {
    Configure(3, 1);
    Start();
    FDialogs.fileNames.enqueue(QStringLiteral("/home/user/gong.wav"));
    Settings([](QDialog& w) {
        Click(w, "BrowseWarButton");
        EXPECT_EQ(In<QLineEdit>(w, "EnterWar")->text(), QStringLiteral("/home/user/gong.wav"));
        Toggle(w, "CheckWar");
        Click(w, "TestWarButton");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(FPlayers.log.played, QStringList{QStringLiteral("/home/user/gong.wav")});
    EXPECT_EQ(FPlayers.log.stops, 1) << "the test signal stops with the window";
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Open).value(0).request.filter, QStringLiteral("Звуковые файлы (*.wav)"));
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Open).value(0).request.directory, ProgramDir());

    Key(Qt::Key_Q);
    Tick(2);
    EXPECT_EQ(FPlayers.log.played.size(), 2);
    EXPECT_EQ(FPlayers.log.played.value(1), QStringLiteral("/home/user/gong.wav"));
    EXPECT_EQ(Written().WayWarn, "/home/user/gong.wav");
}

TEST_F(FormMainTimerTest, TheShippedSignalsShowInTheWindowAndSoundWithoutAFileOfTheirOwn) {
    const std::string shipped = WaveBytes({1, 22050, SampleFormat::Int16, std::string(2000, '\0')});
    WriteBytes(FFolder.File("program/TimerWarning.wav"), shipped);
    WriteBytes(FFolder.File("program/TimerEnd.wav"), shipped);
    Configure(2, 1);
    Start();
    Settings([this](QDialog& w) {
        EXPECT_EQ(In<QLineEdit>(w, "EnterWar")->text(), ProgramDir() + QStringLiteral("TimerWarning.wav"));
        EXPECT_EQ(In<QLineEdit>(w, "EnterEnd")->text(), ProgramDir() + QStringLiteral("TimerEnd.wav"));
        EXPECT_FALSE(In<QCheckBox>(w, "CheckWar")->isChecked());
        Toggle(w, "CheckWar");
        Toggle(w, "CheckEnd");
        Click(w, "OKButton");
    });
    Key(Qt::Key_Q);
    Tick(3);
    EXPECT_EQ(FPlayers.log.played,
              (QStringList{ProgramDir() + QStringLiteral("TimerWarning.wav"), ProgramDir() + QStringLiteral("TimerEnd.wav")}));
    const ProgramConfig config = Written();
    EXPECT_TRUE(config.PlayWarn);
    EXPECT_TRUE(config.PlayEnd);
    EXPECT_EQ(config.WayWarn, "") << "the configuration names no shipped file";
    EXPECT_EQ(config.WayEnd, "");
}

// The program's own player: a signal that cannot be played is reported in
// the general error box, and the countdown goes on.
TEST_F(FormMainTest, ASignalThatCannotBePlayedIsReportedAndTheCountdownGoesOn) {
    const std::string notWave = FFolder.File("notes.wav");
    WriteBytes(notWave, "не звук");
    ProgramConfig config;
    config.TimerAll = 3;
    config.TimerWarn = 2;
    config.PlayWarn = true;
    config.WayWarn = notWave;
    SaveProgramConfig(ConfigFile(), config);
    Start();
    auto* ticker = Form().findChild<QTimer*>(QStringLiteral("TimerForTimer"));
    QTest::keyClick(&Form(), Qt::Key_Q, Qt::ControlModifier);
    FDialogs.ExpectError(QStringLiteral("Файл не является звуковым файлом WAV:\r") + QString::fromStdString(notWave),
                         QStringLiteral("ВеМо 2007"));
    QMetaObject::invokeMethod(ticker, "timeout");
    EXPECT_EQ(Form().findChild<QLabel*>(QStringLiteral("TimerLabel"))->text(), QStringLiteral("02"));
    EXPECT_TRUE(ticker->isActive());
    QMetaObject::invokeMethod(ticker, "timeout");
    EXPECT_EQ(Form().findChild<QLabel*>(QStringLiteral("TimerLabel"))->text(), QStringLiteral("01"));
}
