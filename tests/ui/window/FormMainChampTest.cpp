// The championship in the main window: ActChamp shows the one championship
// window of the run on the settings of Vemo.cfg, and what the window and
// its settings window change is written at closing and there at the next
// start.
#include "FormMainFixture.h"

#include "settings/ProgramConfig.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

template <class Widget>
Widget* In(QDialog& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QDialog& window, const char* name) { QTest::mouseClick(In<QAbstractButton>(window, name), Qt::LeftButton); }

void Retype(QLineEdit* field, const QString& digits) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, digits);
}

}  // namespace

class FormMainChampTest : public FormMainTest {
protected:
    // Runs ActChamp with `step` played in the championship window, which then closes.
    void Champ(ScriptedDialogs::WindowStep step) {
        FDialogs.windows.enqueue([step = std::move(step)](QDialog& window) {
            step(window);
            window.reject();
        });
        Action("ActChamp")->trigger();
    }
};

TEST_F(FormMainChampTest, TheSettingsChangedInTheWindowSurviveARestart) {
    Start();
    EXPECT_TRUE(Action("ActChamp")->isEnabled());
    QDialog* first = nullptr;
    Champ([&](QDialog& window) {
        first = &window;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Подсчет чемпионата"));
        EXPECT_TRUE(In<QToolButton>(window, "PointsCountButton")->isChecked()) << "the mode of a first start";
        Click(window, "ScoreCountButton");
        FDialogs.windows.enqueue([](QDialog& sett) {
            EXPECT_EQ(In<QLineEdit>(sett, "EnterExlGames")->text(), QStringLiteral("2"));
            EXPECT_EQ(In<QLineEdit>(sett, "EnterPlacePoints1")->text(), QStringLiteral("10"));
            Retype(In<QLineEdit>(sett, "EnterExlGames"), QStringLiteral("4"));
            Retype(In<QLineEdit>(sett, "EnterPlacePoints1"), QStringLiteral("12"));
            Retype(In<QLineEdit>(sett, "EnterPlacePoints10"), QStringLiteral("1"));
            Click(sett, "OKButton");
        });
        Click(window, "SettingsButton");
    });
    // The same window, kept for the whole run, with what it was left with.
    Champ([&](QDialog& window) {
        EXPECT_EQ(&window, first);
        EXPECT_TRUE(In<QToolButton>(window, "ScoreCountButton")->isChecked());
    });
    EXPECT_FALSE(Close());

    ProgramConfig written;
    ASSERT_TRUE(LoadProgramConfig(ConfigFile(), written));
    EXPECT_TRUE(written.CountChampByScore);
    EXPECT_EQ(written.ExlGames, 4);
    EXPECT_EQ(written.PlacePoints, (std::array<int32_t, 10>{12, 6, 4, 3, 2, 1, 0, 0, 0, 1}));

    Start();
    Champ([&](QDialog& window) {
        EXPECT_TRUE(In<QToolButton>(window, "ScoreCountButton")->isChecked());
        Click(window, "PointsCountButton");
        FDialogs.windows.enqueue([](QDialog& sett) {
            EXPECT_EQ(In<QLineEdit>(sett, "EnterExlGames")->text(), QStringLiteral("4"));
            EXPECT_EQ(In<QLineEdit>(sett, "EnterPlacePoints1")->text(), QStringLiteral("12"));
            EXPECT_EQ(In<QLineEdit>(sett, "EnterPlacePoints10")->text(), QStringLiteral("1"));
            Click(sett, "CancelButton");
        });
        Click(window, "SettingsButton");
    });
    EXPECT_FALSE(Close());
    ASSERT_TRUE(LoadProgramConfig(ConfigFile(), written));
    EXPECT_FALSE(written.CountChampByScore);
    EXPECT_EQ(written.ExlGames, 4);
}
