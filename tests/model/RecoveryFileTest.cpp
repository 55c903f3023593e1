// The recovery file: the game and what the game file does not hold come
// back as they were written; the file opens as an ordinary game file; a
// damaged or cut file is refused with an input/output error, never a crash.
#include "model/RecoveryFile.h"

#include "base/Errors.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVemoData> Sample() {
    auto game = MakeGame({2, 3}, {"+-+--", "--+++"});
    game->SetCurrentTour(2);
    return game;
}

const RecoveryInfo kInfo{.userFile = "/home/scorer/\xCA\xF3\xE1\xEE\xEA.qgm", .modified = true, .lastQuestion = 2};

}  // namespace

TEST(RecoveryFile, GivesBackTheGameAndWhatTheFileDoesNotHold) {
    const auto game = Sample();
    const std::string bytes = RecoveryFileBytes(*game, kInfo);
    TVemoData read;
    const RecoveryInfo info = ReadRecoveryFile(bytes, read);
    EXPECT_EQ(info.userFile, kInfo.userFile);
    EXPECT_TRUE(info.modified);
    EXPECT_EQ(info.lastQuestion, 2);
    EXPECT_EQ(read.GameFileBytes(), game->GameFileBytes());
    EXPECT_EQ(read.FileName(), kInfo.userFile);
}

TEST(RecoveryFile, OpensAsAnOrdinaryGameFile) {
    const auto game = Sample();
    TVemoData read;
    ASSERT_TRUE(read.LoadFromBytes(RecoveryFileBytes(*game, kInfo), "r.qgm"));
    EXPECT_EQ(read.GameFileBytes(), game->GameFileBytes());
}

TEST(RecoveryFile, EveryCutOrDamagedFileIsAnInputOutputError) {
    const std::string bytes = RecoveryFileBytes(*Sample(), kInfo);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        TVemoData read;
        EXPECT_THROW(ReadRecoveryFile(std::string_view(bytes).substr(0, length), read), EInOutError) << length;
    }
    std::string longPath = bytes;
    const std::size_t pathLengthAt = Sample()->GameFileBytes().size();
    longPath[pathLengthAt + 3] = '\x7F';  // a path longer than the file
    TVemoData read;
    EXPECT_THROW(ReadRecoveryFile(longPath, read), EInOutError);
    std::string noGame = bytes;
    noGame[1] = 'X';  // the game's signature
    EXPECT_THROW(ReadRecoveryFile(noGame, read), EInOutError);
}
