// The main window as a whole: the status bar, the About window and the
// splash, and games the table cannot fill (teams without questions,
// questions without teams) staying usable.
#include "FormMainFixture.h"

#include "support/GameBuilder.h"
#include "model/VemoData.h"
#include "settings/ProgramConfig.h"
#include "ui/platform/AboutBox.h"
#include "ui/platform/Version.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTableView>
#include <QTimer>

namespace {

QString PanelText(const TFormMain& form, int panel) {
    return form.findChild<QLabel*>(QStringLiteral("StBarPanel%1").arg(panel))->text();
}

}  // namespace

TEST_F(FormMainTest, StatusBarShowsVersionDateAndARunningClock) {
    Start();
    EXPECT_EQ(PanelText(Form(), 1), QStringLiteral("Вер. ") + ProgramVersion());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$")).match(PanelText(Form(), 3)).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(PanelText(Form(), 4)).hasMatch());
    EXPECT_TRUE(PanelText(Form(), 5).isEmpty());
    EXPECT_TRUE(Form().statusBar()->findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
}

TEST_F(FormMainTest, TeamsWithoutQuestionsStayUsable) {
    Start();
    const QString path = SaveGame(*MakeGame({}, {"", "", ""}), "teams.qgm");
    Open(path);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + path + u')');
    EXPECT_EQ(TeamOrder().size(), 3);

    // Nothing to change: the game stays as saved, and New asks nothing.
    DoubleClickCell(1, 2);
    Action("ActAllPlus")->trigger();
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    CancelRegistration();
    Action("ActNew")->trigger();
    EXPECT_EQ(Form().Game().TeamCount(), 0);
}

TEST_F(FormMainTest, QuestionsWithoutTeamsStayUsable) {
    Start();
    const QString path = SaveGame(*MakeGame({3, 2}, {}), "questions.qgm");
    Open(path);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + path + u')');
    EXPECT_EQ(Box("ToursBox")->count(), 3);
    Choose(Box("ToursBox"), 2);
    EXPECT_EQ(Form().Game().CurrentTour(), 2);
    Action("ActInverse")->trigger();
    Action("ActCount")->trigger();
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Тур 2 (") + path + u')');
}

namespace {

// The About window as the user sees it: its title and version, closed by
// a click on `closer` (its OK button or its picture).
ScriptedDialogs::WindowStep CloseAboutBoxBy(const char* closer) {
    return [closer](QDialog& window) {
        ASSERT_NE(qobject_cast<TAboutBox*>(&window), nullptr);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("О программе"));
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("Версия ") + ProgramVersion());
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(closer)), Qt::LeftButton);
    };
}

}  // namespace

TEST_F(FormMainTest, AboutCommandShowsTheAboutWindowUntilItIsClosed) {
    Start();
    FDialogs.windows.enqueue(CloseAboutBoxBy("OKButton"));
    Action("ActAbout")->trigger();
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Window).size(), 1);
    EXPECT_FALSE(Form().findChild<TAboutBox*>());
}

TEST_F(FormMainTest, TheSplashShowsBeforeTheClockRunsAndTheConfigurationIsRead) {
    ProgramConfig config;
    config.TimerAll = 90;
    SaveProgramConfig(ConfigFile(), config);
    FDialogs.windows.enqueue([this](QDialog& window) {
        EXPECT_FALSE(FForm->statusBar()->findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
        EXPECT_EQ(FForm->findChild<QLabel*>(QStringLiteral("TimerLabel"))->text(), QStringLiteral("00"));
        CloseAboutBoxBy("ProgramIcon")(window);
    });
    StartWithSplash();
    EXPECT_TRUE(Form().statusBar()->findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
    EXPECT_EQ(Form().findChild<QLabel*>(QStringLiteral("TimerLabel"))->text(), QStringLiteral("90"));
}
