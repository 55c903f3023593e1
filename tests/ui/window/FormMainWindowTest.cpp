// The main window as a whole: the status bar, and games the table cannot
// fill (teams without questions, questions without teams) staying usable.
#include "FormMainFixture.h"

#include "support/GameBuilder.h"
#include "model/VemoData.h"
#include "ui/platform/Version.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
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
    auto* clock = Form().findChild<QTimer*>(QStringLiteral("Timer"));
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(clock->interval(), 500);
}

TEST_F(FormMainTest, TeamsWithoutQuestionsStayUsable) {
    Start();
    const QString path = SaveGame(*MakeGame({}, {"", "", ""}), "teams.qgm");
    Open(path);
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Game (") + path + u')');
    EXPECT_EQ(TeamOrder().size(), 3);

    DoubleClickCell(1, 2);
    Action("ActAllPlus")->trigger();
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    FDialogs.answers.enqueue(Dialogs::Answer::No);
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
