// Writing game files: the exact bytes, round trips, and failures that must
// leave the previous file intact.
#include "base/Errors.h"
#include "support/GameBuilder.h"
#include "GameFileBytes.h"
#include "support/TempDir.h"
#include "model/VemoData.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

std::unique_ptr<TVemoData> SampleGame() {
    auto game = MakeGame({2, 3}, {"+-+--", "--+++", "+++++"});
    game->SetGameName("Cup");
    game->SetPresenter("Host");
    game->SetGameDate({2007, 3, 1});
    const TGroupData north{"North"}, south{"South"};
    game->AddGroup(&north);
    game->AddGroup(&south);
    game->TeamByIndex(0)->SetGroup(game->GroupByIndex(1));
    game->TeamByIndex(2)->SetGroup(game->GroupByIndex(0));
    game->TeamByIndex(0)->Captain = "c";
    game->TeamByIndex(0)->Trainer = "t";
    game->TeamByIndex(1)->ScoreDeposit = 2;
    game->SetTourName(0, "a");
    game->SetTourName(1, "b");
    game->SetCurrentTour(2);
    game->SetCurrentGroup(2);
    return game;
}

std::vector<std::filesystem::path> Files(const TempDir& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) files.push_back(entry.path().filename());
    return files;
}

}  // namespace

TEST(GameFileWrite, BytesFollowTheCurrentLayout) {
    TempDir dir;
    ASSERT_TRUE(SampleGame()->SaveToFile(dir.File("g.qgm")));
    const std::string bytes = ReadBytes(dir.File("g.qgm"));
    ASSERT_GE(bytes.size(), 41u);
    EXPECT_EQ(bytes[0], 39);
    EXPECT_EQ(bytes.substr(1, 39), kSignatureV6);
    EXPECT_EQ(bytes[40], '\0');

    Version6Layout layout;
    layout.gameName = "Cup";
    layout.questions = 5;
    layout.teams = {{"T1", "Town", "c", "t", "+-+--", 0, 1}, {"T2", "Town", "", "", "--+++", 2, 0},
                    {"T3", "Town", "", "", "+++++", 0, 0}};
    layout.tours = {{{2, "a"}, {3, "b"}}};
    layout.currentTour = 2;
    layout.groups = {"North", "South"};
    layout.currentGroup = 2;
    EXPECT_EQ(bytes, Version6File(layout));
}

TEST(GameFileWrite, RoundTripKeepsEveryField) {
    TempDir dir;
    auto original = SampleGame();
    original->SwapTeamNumbers(1, 3);
    ASSERT_TRUE(original->SaveToFile(dir.File("g.qgm")));
    TVemoData read;
    ASSERT_TRUE(read.LoadFromFile(dir.File("g.qgm")));
    EXPECT_EQ(read.GameName(), "Cup");
    EXPECT_EQ(read.Presenter(), "Host");
    EXPECT_EQ(read.GameDate(), (TGameDate{2007, 3, 1}));
    EXPECT_EQ(read.TourCount(), 2);
    EXPECT_EQ(read.TourName(1), "b");
    EXPECT_EQ(read.TourQuestCount(1), 3);
    EXPECT_EQ(read.CurrentTour(), 2);
    EXPECT_EQ(read.GroupCount(), 2);
    EXPECT_EQ(read.CurrentGroup(), 2);
    ASSERT_EQ(read.TeamCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const TTeamData& a = *original->TeamByIndex(i);
        const TTeamData& b = *read.TeamByIndex(i);
        EXPECT_EQ(MarksText(a), MarksText(b));
        EXPECT_EQ(a.Name, b.Name);
        EXPECT_EQ(a.Captain, b.Captain);
        EXPECT_EQ(a.Trainer, b.Trainer);
        EXPECT_EQ(a.ScoreDeposit, b.ScoreDeposit);
        EXPECT_EQ(b.Number, i + 1);  // numbers come back in registration order
    }
    EXPECT_EQ(read.TeamByIndex(0)->Group()->Name, "South");
    // A team outside every group is read back as a member of the first one.
    EXPECT_EQ(read.TeamByIndex(1)->Group()->Name, "North");
}

TEST(GameFileWrite, DepositKeepsItsLowSixteenBits) {
    TempDir dir;
    auto game = MakeGame({1}, {"+"});
    game->TeamByIndex(0)->ScoreDeposit = 70000;
    ASSERT_TRUE(game->SaveToFile(dir.File("g.qgm")));
    TVemoData read;
    ASSERT_TRUE(read.LoadFromFile(dir.File("g.qgm")));
    EXPECT_EQ(read.TeamByIndex(0)->ScoreDeposit, 70000 & 0xFFFF);
}

TEST(GameFileWrite, UncreatableTargetsAreRefused) {
    TempDir dir;
    auto game = SampleGame();
    EXPECT_FALSE(game->SaveToFile(dir.File("no-such-folder/g.qgm")));
    EXPECT_FALSE(game->SaveToFile(dir.Path().string()));
    EXPECT_TRUE(Files(dir).empty());
}

TEST(GameFileWrite, TooLongTextIsAnErrorAndTheOldFileStays) {
    TempDir dir;
    const std::string path = dir.File("g.qgm");
    auto game = SampleGame();
    ASSERT_TRUE(game->SaveToFile(path));
    const std::string before = ReadBytes(path);
    game->TeamByIndex(0)->Name = std::string(32768, 'x');
    EXPECT_THROW(game->SaveToFile(path), ERangeError);
    EXPECT_EQ(ReadBytes(path), before);
    game->TeamByIndex(0)->Name = std::string(32767, 'x');
    EXPECT_TRUE(game->SaveToFile(path));
}

TEST(GameFileWrite, WriteFailingHalfWayKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("g.qgm");
    ASSERT_TRUE(SampleGame()->SaveToFile(path));
    const std::string before = ReadBytes(path);

    RandomGameShape shape;
    shape.teams = 400;
    shape.tours = {90};
    std::mt19937 random(3);
    auto big = MakeRandomGame(random, shape);

    // A file size limit below the new file's size makes the write fail midway.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(big->SaveToFile(path), EInOutError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Files(dir), (std::vector<std::filesystem::path>{"g.qgm"}));
}
