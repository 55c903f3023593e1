// The recovery journal: the game with unsaved changes reaches the state
// folder a moment after a change (a burst of changes in a few writes, the
// last state among them), a saved game leaves no file, and a folder that
// cannot be written is said once.
#include "ui/document/RecoveryJournal.h"

#include "model/RecoveryFile.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "ui/document/GameDocument.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct WithApp {
    WithApp() { TestApplication(); }
};

class RecoveryJournalTest : public ::testing::Test, WithApp {
protected:
    RecoveryJournalTest() {
        document.Open(MakeGame({4}, {"----", "----", "----"}), QStringLiteral("/games/cup.qgm"));
        journal.Start();
    }

    void Mark(int number, int question) {
        document.Edit(QStringLiteral("Ответ"),
                      [=](TVemoData& game) { game.TeamByNumber(number)->SetMark(question, 1); });
    }
    bool RecordExists() const { return std::filesystem::exists(Record()); }
    std::string Record() const { return folder.File("state/vemo/recovery.qgm"); }

    TempDir folder;
    ScopedEnvironment state{"XDG_STATE_HOME", QByteArray::fromStdString(folder.File("state"))};
    GameDocument document;
    RecoveryJournal journal{document};
    QSignalSpy written{&journal, &RecoveryJournal::Written};
};

}  // namespace

TEST_F(RecoveryJournalTest, TheChangedGameIsOnDiskAMomentAfterTheChange) {
    EXPECT_FALSE(RecordExists());
    Mark(2, 1);
    EXPECT_FALSE(RecordExists());  // not on the way to the repaint
    ASSERT_TRUE(written.wait(5000));
    EXPECT_EQ(journal.FilePath().toStdString(), Record());
    TVemoData read;
    const RecoveryInfo info = ReadRecoveryFile(ReadBytes(Record()), read);
    EXPECT_EQ(read.GameFileBytes(), document.Game().GameFileBytes());
    EXPECT_EQ(info.userFile, "/games/cup.qgm");
    EXPECT_TRUE(info.modified);
    EXPECT_EQ(info.lastQuestion, document.Game().LastQuestion());
}

// The delay is not pushed back by the changes that follow: a long burst is
// written while it lasts, in a few writes, and its last state reaches the disk.
TEST_F(RecoveryJournalTest, ABurstIsWrittenWhileItLastsInAFewWrites) {
    const int changes = 3 * 4;
    for (int i = 0; i < changes; ++i) {
        Mark(1 + i / 4, i % 4);
        QTest::qWait(RecoveryJournal::kDelayMs / 4);
    }
    EXPECT_GE(written.count(), 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !written.isEmpty() && written.last().at(0).toULongLong() == 12; }, 5000));
    EXPECT_LE(written.count(), changes / 2);
    TVemoData read;
    ReadRecoveryFile(ReadBytes(Record()), read);
    EXPECT_EQ(read.GameFileBytes(), document.Game().GameFileBytes());
}

TEST_F(RecoveryJournalTest, ASavedGameLeavesNoFile) {
    Mark(1, 0);
    ASSERT_TRUE(written.wait(5000));
    document.SetSaved(QStringLiteral("/games/cup.qgm"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !RecordExists(); }, 5000));

    Mark(1, 1);
    ASSERT_TRUE(written.wait(5000));
    document.Undo();  // back to the saved state
    EXPECT_TRUE(QTest::qWaitFor([this] { return !RecordExists(); }, 5000));
}

TEST_F(RecoveryJournalTest, DiscardRemovesTheFileAtOnceAndKeepsNothingMore) {
    Mark(1, 0);
    ASSERT_TRUE(written.wait(5000));
    journal.Discard();
    EXPECT_FALSE(RecordExists());
    Mark(1, 1);
    QTest::qWait(3 * RecoveryJournal::kDelayMs);
    EXPECT_FALSE(RecordExists());
}

TEST(RecoveryJournal, AFolderThatCannotBeWrittenIsSaidOnce) {
    TestApplication();
    TempDir folder;
    WriteBytes(folder.File("state"), "a file where the folder should be");
    ScopedEnvironment state("XDG_STATE_HOME", QByteArray::fromStdString(folder.File("state")));
    GameDocument document;
    document.Open(MakeGame({2}, {"--"}), {});
    RecoveryJournal journal(document);
    QSignalSpy failed(&journal, &RecoveryJournal::WriteFailed);
    journal.Start();
    for (int q = 0; q < 2; ++q) {
        document.Edit(QStringLiteral("Ответ"), [q](TVemoData& game) { game.TeamByNumber(1)->SetMark(q, 1); });
        QTest::qWait(3 * RecoveryJournal::kDelayMs);
    }
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.first().at(0).toString().toStdString(), folder.File("state") + "/vemo/recovery.qgm");
}
