// The live results page through the main window: switched on from the
// "Результаты" menu into a folder the scorer picks, rewritten within a
// second of a change made in the table and never more than once a second
// during a burst, kept on between runs in its own settings file, and a
// folder that cannot be written told once in the status bar, never in a box.
#include "FormMainFixture.h"

#include "model/VemoData.h"
#include "output/PublishWriter.h"
#include "support/GameBuilder.h"
#include "ui/LivePage.h"
#include "ui/MainStatusBar.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace {

std::string Published(const TVemoData& game, PublishFormat format) {
    // The page reads the game as the window counted it; a copy keeps the window's untouched.
    auto copy = game.Clone();
    return PublishBytes(GameReportData(*copy, InfoType::TourResults,
                                       copy->RatingPlusOne() ? RatingType::PlusOne : RatingType::Zero),
                        format, format == PublishFormat::Html ? LivePage::kRefreshSeconds : 0);
}

}  // namespace

class FormMainPublishTest : public FormMainTest {
protected:
    void StartWithGame() {
        Start();
        Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    }
    std::string Site(const char* name = "results.html") const { return FFolder.File(std::string("site/") + name); }
    QString SiteFolder() const { return QString::fromStdString(FFolder.File("site")); }
    std::string SettingsFile() const { return FFolder.File("program/VemoPublish.ini"); }
    LivePage& Page() const { return *FForm->findChild<LivePage*>(); }
    bool PageShowsTheGame() const {
        return std::filesystem::exists(Site()) && ReadBytes(Site()) == Published(FForm->Game(), PublishFormat::Html) &&
               ReadBytes(Site("results.csv")) == Published(FForm->Game(), PublishFormat::Csv);
    }
    void SwitchOnInto(const QString& folder) {
        FDialogs.fileNames.enqueue(folder);
        Action("ActPublish")->trigger();
    }
    // A double click on team row `row`'s answer to question q (0-based).
    void Toggle(int row, int q) { DoubleClickCell(6 + q, HeaderRows() + row); }
    QString Notice() const { return FForm->findChild<MainStatusBar*>()->NoticeText(); }
};

TEST_F(FormMainPublishTest, TheCommandStandsInTheResultsMenuAndIsOffAtFirst) {
    Start();
    QAction* publish = Action("ActPublish");
    EXPECT_EQ(publish->text(), QStringLiteral("Публиковать результаты в папку..."));
    EXPECT_TRUE(publish->isCheckable());
    EXPECT_FALSE(publish->isChecked());
    EXPECT_TRUE(publish->isEnabled());
    QMenu* results = nullptr;
    for (QAction* menu : FForm->menuBar()->actions())
        if (menu->text() == QStringLiteral("Результаты")) results = menu->menu();
    ASSERT_NE(results, nullptr);
    const QList<QAction*> items = results->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.last(), publish);
    EXPECT_EQ(items[items.size() - 3], Action("ActOutResult"));
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
}

TEST_F(FormMainPublishTest, SwitchedOnThePageAndTheTableAreInTheFolderAndTheChoiceIsKept) {
    StartWithGame();
    std::filesystem::create_directory(FFolder.File("site"));
    SwitchOnInto(SiteFolder());
    ASSERT_EQ(FDialogs.Shown(ShownBox::Kind::Folder).size(), 1);
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Folder)[0].caption, QStringLiteral("Папка для публикации результатов"));
    EXPECT_TRUE(Action("ActPublish")->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 1000));
    EXPECT_NE(ReadBytes(Site()).find("<meta http-equiv=\"refresh\" content=\"10\" />"), std::string::npos);
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "# ВеМо: публикация результатов\nLivePage=1\nFolder=" + FFolder.File("site") + "\n");
}

TEST_F(FormMainPublishTest, ACancelledFolderDialogLeavesPublishingOff) {
    StartWithGame();
    SwitchOnInto(QString());
    EXPECT_FALSE(Action("ActPublish")->isChecked());
    EXPECT_FALSE(Page().Active());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(FormMainPublishTest, AChangeInTheTableReachesThePageOffTheClickPath) {
    StartWithGame();
    std::filesystem::create_directory(FFolder.File("site"));
    SwitchOnInto(SiteFolder());
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 1000));
    for (int change = 0; change < 3; ++change) {
        QTest::qWait(LivePage::kGapMs);  // a quiet moment before each change
        const std::string before = ReadBytes(Site());
        Toggle(change, 3);
        EXPECT_EQ(ReadBytes(Site()), before) << "the page is not written on the way to the repaint";
        ASSERT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 5000)) << "change " << change;
        EXPECT_NE(ReadBytes(Site()), before);
    }
}

TEST_F(FormMainPublishTest, ABurstOfChangesIsWrittenAtMostOnceASecondAndEndsOnTheLastState) {
    StartWithGame();
    std::filesystem::create_directory(FFolder.File("site"));
    SwitchOnInto(SiteFolder());
    QSignalSpy written(&Page(), &LivePage::Written);
    ASSERT_TRUE(written.wait(2000));
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> times;
    QObject::connect(&Page(), &LivePage::Written, [&] { times.push_back(clock.elapsed()); });
    int changes = 0;
    while (clock.elapsed() < 3000) {
        Toggle(changes % 3, changes % 5);
        ++changes;
        QTest::qWait(50);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return written.last().at(0).toULongLong() == static_cast<quint64>(changes); },
                                2000));
    EXPECT_TRUE(PageShowsTheGame());
    ASSERT_GE(times.size(), 2u) << "written while the burst lasts";
    EXPECT_LE(times.size(), 5u) << changes << " changes";
    // The writes begin a second apart (WriteSchedule's own tests hold them to
    // it); they end after a write of varying length, hence the slack. Writes
    // that followed each change would end some 100 ms apart.
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 700) << "write " << i;
}

TEST_F(FormMainPublishTest, SwitchedOffNothingMoreIsWrittenAndTheChoiceIsKept) {
    StartWithGame();
    std::filesystem::create_directory(FFolder.File("site"));
    SwitchOnInto(SiteFolder());
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 1000));
    const std::string page = ReadBytes(Site());
    Action("ActPublish")->trigger();
    EXPECT_FALSE(Action("ActPublish")->isChecked());
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Folder).size(), 1) << "switching off asks nothing";
    Toggle(0, 4);
    QTest::qWait(LivePage::kGapMs + 200);
    EXPECT_EQ(ReadBytes(Site()), page);
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "# ВеМо: публикация результатов\nLivePage=0\nFolder=" + FFolder.File("site") + "\n");

    // Switched on again, the dialog starts in the last folder.
    SwitchOnInto(SiteFolder());
    EXPECT_EQ(FDialogs.Shown(ShownBox::Kind::Folder).last().request.directory, SiteFolder());
    EXPECT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 1000));
}

TEST_F(FormMainPublishTest, TheNextRunGoesOnPublishingIntoTheSameFolder) {
    std::filesystem::create_directory(FFolder.File("site"));
    WriteBytes(SettingsFile(), "LivePage=1\nFolder=" + FFolder.File("site") + "\n");
    Start();
    EXPECT_TRUE(Action("ActPublish")->isChecked());
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 1000)) << "the empty game at once";
    Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 2000)) << "an opened game is a change";
    EXPECT_NE(ReadBytes(Site("results.csv")).find("T3"), std::string::npos);
}

TEST_F(FormMainPublishTest, AFolderThatCannotBeWrittenIsToldOnceInTheStatusBar) {
    StartWithGame();
    WriteBytes(FFolder.File("site"), "a file where the folder should be");
    QSignalSpy failed(&Page(), &LivePage::WriteFailed);
    SwitchOnInto(SiteFolder());
    ASSERT_TRUE(failed.wait(2000));
    EXPECT_EQ(Notice(), QStringLiteral("Не удается записать результаты в папку ") + SiteFolder());
    for (int change = 0; change < 3; ++change) {
        Toggle(change, 2);
        QTest::qWait(LivePage::kGapMs + 100);
    }
    EXPECT_EQ(failed.count(), 1);
    EXPECT_TRUE(FDialogs.Shown(ShownBox::Kind::Error).isEmpty());

    // The folder comes back: the page is written and the notice goes.
    std::filesystem::remove(FFolder.File("site"));
    std::filesystem::create_directory(FFolder.File("site"));
    Toggle(0, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return PageShowsTheGame(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Notice().isEmpty(); }, 1000));
}
