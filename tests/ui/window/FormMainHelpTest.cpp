// Help from the main window: "Справка" opens the contents, and F1 the topic
// of the control under focus, or of the counter or timer under the pointer,
// or else the window's.
#include "FormMainFixture.h"

#include "model/VemoData.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace {

class FormMainHelpTest : public FormMainTest {
protected:
    void SetUp() override {
        Start();
        Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    }
    // The topics the help was asked for since the last call.
    QStringList HelpAsked() {
        QStringList topics;
        for (const ShownBox& box : FDialogs.Shown(ShownBox::Kind::Help)) topics.append(box.text);
        const QStringList fresh = topics.mid(FSeen);
        FSeen = topics.size();
        return fresh;
    }
    void PointAt(const QWidget* widget) { QCursor::setPos(widget->mapToGlobal(widget->rect().center())); }
    QWidget* Child(const char* name) const { return FForm->findChild<QWidget*>(QLatin1String(name)); }
    // Keeps the pointer off every control.
    void PointAway() { QCursor::setPos(Form().mapToGlobal(QPoint(-50, -50))); }

private:
    int FSeen = 0;
};

}  // namespace

TEST_F(FormMainHelpTest, HelpCommandOpensTheContents) {
    Action("ActHelp")->trigger();
    EXPECT_EQ(HelpAsked(), QStringList{QStringLiteral("0")});
}

TEST_F(FormMainHelpTest, F1OpensTheTopicOfTheControlUnderFocus) {
    struct Case {
        const char* focus;
        bool graphic;
        int topic;
    };
    const Case cases[] = {
        {"TableGr", true, 1006},       {"Table", false, 1001},        {"CheckOutTeam", true, 1006},
        {"CheckGraphTable", true, 1006}, {"CheckAutoCount", true, 1007}, {"ChooseRating1", true, 1007},
        {"ToursBox", true, 1001},
    };
    PointAway();
    for (const Case& c : cases) {
        if (Action("ActGraphTable")->isChecked() != c.graphic) Action("ActGraphTable")->trigger();
        QWidget* focus = Child(c.focus);
        ASSERT_NE(focus, nullptr) << c.focus;
        focus->setFocus();
        ASSERT_EQ(Form().focusWidget(), focus) << c.focus;
        QTest::keyClick(focus, Qt::Key_F1);
        EXPECT_EQ(HelpAsked(), QStringList{QString::number(c.topic)}) << c.focus;
    }
}

// The counter and the timer never hold the focus: the pointer on them
// chooses their topic when the control under focus has none of its own.
TEST_F(FormMainHelpTest, F1OverTheCounterOrTheTimerOpensTheToolBarTopic) {
    Action("ActGraphTable")->trigger();
    QTableView* text = Grid();
    text->setFocus();
    for (QWidget* pointed : {Child("EnterQ"), Child("TimerLabel")}) {
        PointAt(pointed);
        QTest::keyClick(text, Qt::Key_F1);
        EXPECT_EQ(HelpAsked(), QStringList{QStringLiteral("1004")}) << pointed->objectName().toStdString();
    }
    // A control's own topic comes before the pointer's.
    Child("CheckAutoCount")->setFocus();
    QTest::keyClick(Child("CheckAutoCount"), Qt::Key_F1);
    EXPECT_EQ(HelpAsked(), QStringList{QStringLiteral("1007")});
}
