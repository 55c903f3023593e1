// The hall's commands in the main window: enabled with a game, each opening
// its window on the window's game, the team statistics at the team of the
// grid's current row, and the game as it was after the board.
#include "FormMainFixture.h"

#include "model/VemoData.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

const char* const kHallCommands[] = {"ActScrResults", "ActStatAll", "ActStatTeam"};

QString BoxText(QDialog& window, const char* name) {
    return window.findChild<QLineEdit*>(QLatin1String(name))->text();
}

}  // namespace

class FormMainHallTest : public FormMainTest {
protected:
    void OpenThreeTeams() {
        Start();
        Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    }

    // Triggers `action` and plays `step` in the window it opens; answers the window's object name.
    QString RunWindow(const char* action, ScriptedDialogs::WindowStep step) {
        FDialogs.windows.enqueue(std::move(step));
        Action(action)->trigger();
        const QList<ShownBox> windows = FDialogs.Shown(ShownBox::Kind::Window);
        return windows.isEmpty() ? QString() : windows.last().text;
    }
};

TEST_F(FormMainHallTest, TheCommandsNeedAGame) {
    Start();
    for (const char* name : kHallCommands) EXPECT_FALSE(Action(name)->isEnabled()) << name;
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    for (const char* name : kHallCommands) EXPECT_TRUE(Action(name)->isEnabled()) << name;
}

TEST_F(FormMainHallTest, TheBoardShowsTheGameAndLeavesItAsItWas) {
    OpenThreeTeams();
    const QStringList order = TeamOrder();
    const int lastQuestion = Form().Game().LastQuestion();
    const QString shown = RunWindow("ActScrResults", [](QDialog& window) {
        EXPECT_TRUE(window.isFullScreen());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(shown, QStringLiteral("FormResults"));
    EXPECT_EQ(Form().Game().LastQuestion(), lastQuestion);
    EXPECT_EQ(TeamOrder(), order);
    EXPECT_FALSE(Form().Modified());
}

TEST_F(FormMainHallTest, TheQuestionStatisticsOfTheGame) {
    OpenThreeTeams();
    const QString shown = RunWindow("ActStatAll", [](QDialog& window) {
        EXPECT_EQ(BoxText(window, "OutQT"), QStringLiteral("3"));
        EXPECT_EQ(BoxText(window, "OutQQ"), QStringLiteral("5"));
        window.reject();
    });
    EXPECT_EQ(shown, QStringLiteral("StatAllForm"));
}

TEST_F(FormMainHallTest, TheTeamStatisticsStartAtTheTeamOfTheCurrentRow) {
    OpenThreeTeams();
    // Rows by place: T3, T1, T2.
    ASSERT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        ClickCell(6, HeaderRows() + row);  // a question cell: fixed cells take no selection
        const QString team = TeamOrder()[row];
        RunWindow("ActStatTeam", [&](QDialog& window) {
            EXPECT_EQ(BoxText(window, "OutStatTeam"), team);
            window.reject();
        });
    }
}
