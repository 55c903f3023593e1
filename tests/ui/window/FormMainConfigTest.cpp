// Vemo.cfg in use: read when the window is first shown, written when it
// closes, a damaged file reported without stopping the start, and the
// file association applied as the configuration says.
#include "FormMainFixture.h"

#include "ui/text/AnsiText.h"
#include "base/Errors.h"
#include "ui/platform/FileAssociation.h"
#include "settings/ProgramConfig.h"
#include "support/TempDir.h"
#include "model/VemoData.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <stdexcept>
#include <utility>

class FormMainConfigTest : public FormMainTest {
protected:
    ProgramConfig WrittenConfig() const {
        ProgramConfig config;
        EXPECT_TRUE(LoadProgramConfig(ConfigFile(), config));
        return config;
    }
    QString TimerText() const {
        return FForm->findChild<QLabel*>(QStringLiteral("TimerLabel"))->text();
    }
    FileAssociation Association() const {
        return FileAssociation(ProgramDir(), QCoreApplication::applicationFilePath());
    }
};

TEST_F(FormMainConfigTest, FirstStartWithoutAFileUsesTheDefaults) {
    Start();
    EXPECT_EQ(TimerText(), QStringLiteral("60"));
    EXPECT_TRUE(Button("ChooseRating0")->isChecked());
    EXPECT_TRUE(Form().Game().RatingPlusOne());
    EXPECT_TRUE(Form().Game().HiRating());
    EXPECT_FALSE(Form().Game().SortByRating());
    EXPECT_FALSE(Form().Game().DepositScore());
    EXPECT_TRUE(Association().IsAssociated());
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    EXPECT_EQ(Grid()->objectName(), QStringLiteral("TableGr"));
    EXPECT_EQ(RowTexts(1, 7), (QStringList{"N", "Команда", "Город", "О", "Рейт.", "Взят.", "1"}));
}

TEST_F(FormMainConfigTest, ClosingWritesTheFileEvenWithoutChanges) {
    Start();
    EXPECT_FALSE(std::filesystem::exists(ConfigFile()));
    EXPECT_FALSE(Close());
    EXPECT_EQ(WrittenConfig(), ProgramConfig{});
}

TEST_F(FormMainConfigTest, AWindowNeverShownLeavesTheFileAlone) {
    ProgramConfig mine;
    mine.TimerAll = 90;
    SaveProgramConfig(ConfigFile(), mine);
    StartupOptions options;
    options.embedding = true;
    TFormMain hidden(options);
    EXPECT_TRUE(hidden.close());
    EXPECT_EQ(WrittenConfig(), mine);
}

TEST_F(FormMainConfigTest, OptionsChangedInOneRunAreThereInTheNext) {
    Start();
    for (const char* check : {"CheckOutCapt", "CheckOutTown", "CheckGraphTable", "CheckAutoCount", "ChooseRating1"})
        Button(check)->click();
    Action("ActSett")->trigger();
    EXPECT_FALSE(Close());
    const ProgramConfig written = WrittenConfig();
    EXPECT_TRUE(written.Table[DisplayOption::OutCapt]);
    EXPECT_FALSE(written.Table[DisplayOption::OutTown]);
    EXPECT_FALSE(written.GraphTable);
    EXPECT_FALSE(written.AutoCount);
    EXPECT_FALSE(written.Count.RatingPlusOne);
    EXPECT_FALSE(written.ShowSettingsPanel);

    Start();
    EXPECT_TRUE(Button("ChooseRating1")->isChecked());
    EXPECT_FALSE(Form().Game().RatingPlusOne());
    EXPECT_FALSE(Action("ActAutoCount")->isChecked());
    EXPECT_FALSE(Form().findChild<QWidget*>(QStringLiteral("SettPanel"))->isVisibleTo(&Form()));
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    EXPECT_EQ(Grid()->objectName(), QStringLiteral("Table"));
    EXPECT_EQ(RowTexts(1, 3), (QStringList{"N", "Команда", "Капитан"}));
}

TEST_F(FormMainConfigTest, ValuesWithoutAControlYetArePassedThrough) {
    ProgramConfig config;
    config.UserName = "scorer";
    config.PlacePoints = {12, 8, 5, 3, 2, 1, 1, 0, 0, 0};
    config.ExlGames = 4;
    config.CountChampByScore = true;
    config.TimerAll = 9;
    config.WayEnd = "/sounds/end.wav";
    config.PlayEnd = true;
    SaveProgramConfig(ConfigFile(), config);

    Start();
    EXPECT_EQ(TimerText(), QStringLiteral("09"));
    EXPECT_FALSE(Close());
    EXPECT_EQ(WrittenConfig(), config);
}

TEST_F(FormMainConfigTest, ADamagedFileIsReportedAndTheStartGoesOn) {
    WriteBytes(ConfigFile(), std::string(300, '\x5a'));
    QString expected;
    try {
        ProgramConfig probe;
        LoadProgramConfig(ConfigFile(), probe);
    } catch (const Exception& error) {
        expected = FromAnsi(error.what());
    }
    ASSERT_FALSE(expected.isEmpty());

    StartupOptions options;
    options.hasOpen = true;
    options.openPath = SaveGame(*ThreeTeamGame(), "game.qgm");
    FDialogs.ExpectError(expected, QStringLiteral("ВеМо 2007"));
    Start(options);

    EXPECT_EQ(Form().Game().TeamCount(), 3);
    EXPECT_EQ(TimerText(), QStringLiteral("60"));

    QWidget* panel = Form().findChild<QWidget*>(QStringLiteral("SettPanel"));
    Action("ActSett")->trigger();
    EXPECT_FALSE(panel->isVisible());
    Action("ActSett")->trigger();
    Button("CheckOutTown")->click();
    EXPECT_EQ(RowTexts(1, 3), (QStringList{"N", "Команда", "О"}));
}

// An error that is not the program's own, raised while the options are put
// on the controls, is reported like any other, and the option commands do
// not stay waiting for the end of that update.
TEST_F(FormMainConfigTest, AnyErrorWhileApplyingTheFileLeavesTheOptionsWorking) {
    ProgramConfig config;
    config.GraphTable = false;
    SaveProgramConfig(ConfigFile(), config);
    StartupOptions options;
    options.showSplash = false;
    FForm = std::make_unique<TFormMain>(options);
    bool thrown = false;
    QObject::connect(Action("ActGraphTable"), &QAction::toggled, FForm.get(), [&thrown](bool) {
        if (std::exchange(thrown, true)) return;
        throw std::length_error("vector::_M_default_append");
    });
    FDialogs.ExpectError(QStringLiteral("vector::_M_default_append"), QStringLiteral("ВеМо 2007"));
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
    ASSERT_TRUE(thrown);
    EXPECT_FALSE(Form().Updating());

    QWidget* panel = Form().findChild<QWidget*>(QStringLiteral("SettPanel"));
    Action("ActSett")->trigger();
    EXPECT_FALSE(panel->isVisible());
    Action("ActSett")->trigger();
    EXPECT_TRUE(panel->isVisible());
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    const bool town = Action("ActOutTown")->isChecked();
    Button("CheckOutTown")->click();
    EXPECT_NE(Action("ActOutTown")->isChecked(), town);
    EXPECT_EQ(RowTexts(HeaderRows() - 1, 9).contains(QStringLiteral("Город")), !town);
}

TEST_F(FormMainConfigTest, AssociationIsRemovedWhenTheOptionIsOff) {
    Association().Apply(true);
    ProgramConfig config;
    config.AssociateFiles = false;
    SaveProgramConfig(ConfigFile(), config);

    Start();
    EXPECT_FALSE(Association().IsAssociated());
    Action("ActAss")->trigger();
    EXPECT_FALSE(Association().IsAssociated());
}

TEST_F(FormMainConfigTest, AssociationCommandRepairsMissingFiles) {
    Start();
    Association().Apply(false);
    Action("ActAss")->trigger();
    EXPECT_TRUE(Association().IsAssociated());
}
