// vemoctl publish: the published standings in each format are the bytes
// the program writes for the same view and count options, and bad input is
// one line on stderr with nothing written.
#include "RunVemoctl.h"
#include "base/TransCodes.h"
#include "output/PublishWriter.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Five teams over two tours, two of them tied, one group and a deposit.
std::string SaveGame(const TempDir& dir) {
    auto game = MakeGame({4, 3}, {"++-+-+-", "+---++-", "+---++-", "++++-+-", "-------"});
    game->SetGameName(TransCodes::Utf8ToAnsi("Кубок \"Осени\""));
    game->SetGameDate({2007, 10, 14});
    game->TeamByIndex(0)->Name = TransCodes::Utf8ToAnsi("Ёжики; в тумане");
    game->TeamByIndex(3)->ScoreDeposit = 2;
    const TGroupData a{"A"};
    game->AddGroup(&a);
    for (int t : {0, 1, 4}) game->TeamByIndex(t)->SetGroup(game->GroupByIndex(0));
    const std::string path = dir.File("game.qgm");
    EXPECT_TRUE(game->SaveToFile(path));
    return path;
}

struct Case {
    std::vector<std::string> options;
    CountOptions count;
    int tour = 0, group = 0, last = -1;
    int refresh = 0;
};

std::string ProgramBytes(const std::string& path, const Case& c, PublishFormat format) {
    TVemoData game;
    game.SetCountOptions(c.count);
    EXPECT_TRUE(game.LoadFromFile(path));
    game.SetCurrentTour(c.tour);
    game.SetCurrentGroup(c.group);
    if (c.last >= 0) game.SetLastQuestion(c.last);
    game.CountResult();
    return PublishBytes(
        GameReportData(game, InfoType::TourResults, c.count.RatingPlusOne ? RatingType::PlusOne : RatingType::Zero),
        format, c.refresh);
}

}  // namespace

TEST(VemoctlPublish, EachFormatIsTheProgramsFileForTheSameViewAndOptions) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    const CountOptions defaults{.RatingPlusOne = true, .HiRating = true, .SortByRating = false, .DepositScore = false};
    CountOptions zeroDeposit = defaults;
    zeroDeposit.RatingPlusOne = false;
    zeroDeposit.DepositScore = true;
    CountOptions noHigher = defaults;
    noHigher.HiRating = false;
    const std::vector<Case> cases = {
        {{}, defaults},
        {{"--rating", "zero", "--deposit", "on", "--last", "5"}, zeroDeposit, 0, 0, 5},
        {{"--tour", "2", "--group", "1", "--hirating", "off"}, noHigher, 2, 1},
    };
    const std::pair<const char*, PublishFormat> formats[] = {
        {"csv", PublishFormat::Csv}, {"json", PublishFormat::Json}, {"html", PublishFormat::Html}};
    for (const Case& c : cases)
        for (const auto& [name, format] : formats) {
            std::vector<std::string> args = {"publish", game, "--format", name};
            args.insert(args.end(), c.options.begin(), c.options.end());
            args.insert(args.end(), {"-o", dir.File("out")});
            const RunResult r = RunVemoctl(dir, args);
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(ReadBytes(dir.File("out")), ProgramBytes(game, c, format)) << name << " " << c.options.size();
        }
}

TEST(VemoctlPublish, TheLivePagesRefreshIsForHtml) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    const RunResult r = RunVemoctl(dir, {"publish", game, "--format", "html", "--refresh", "10", "-o", dir.File("p.html")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Case c{{}, {.RatingPlusOne = true, .HiRating = true, .SortByRating = false, .DepositScore = false}};
    c.refresh = 10;
    EXPECT_EQ(ReadBytes(dir.File("p.html")), ProgramBytes(game, c, PublishFormat::Html));
    EXPECT_NE(ReadBytes(dir.File("p.html")).find("<meta http-equiv=\"refresh\" content=\"10\" />"), std::string::npos);
}

TEST(VemoctlPublish, BadInputGetsOneLineOnStderrAndWritesNothing) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    WriteBytes(dir.File("not-a-game.qgm"), "hello");
    const std::string out = dir.File("out.csv");
    struct Bad {
        std::vector<std::string> args;
        int exitCode;
    };
    const Bad cases[] = {
        {{"publish", game, "-o", out}, 2},
        {{"publish", game, "--format", "xml", "-o", out}, 2},
        {{"publish", game, "--format", "CSV", "-o", out}, 2},
        {{"publish", game, "--format", "csv"}, 2},
        {{"publish", game, "--format"}, 2},
        {{"publish", game, "--format", "csv", "--type", "0", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--refresh", "10", "-o", out}, 2},
        {{"publish", game, "--format", "html", "--refresh", "soon", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--sort-by-rating", "on", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--landscape", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--tour", "3", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--group", "2", "-o", out}, 2},
        {{"publish", game, "--format", "csv", "--last", "8", "-o", out}, 2},
        {{"publish", dir.File("missing.qgm"), "--format", "csv", "-o", out}, 1},
        {{"publish", dir.File("not-a-game.qgm"), "--format", "csv", "-o", out}, 1},
        {{"publish", game, "--format", "json", "-o", dir.File("no-folder/out.json")}, 1},
        {{"publish", game, "--format", "html", "-o", dir.Path().string()}, 1},
    };
    for (const Bad& c : cases) {
        const RunResult r = RunVemoctl(dir, c.args);
        std::string label;
        for (const std::string& a : c.args) label += a + " ";
        EXPECT_EQ(r.exitCode, c.exitCode) << label << ": " << r.err;
        EXPECT_EQ(r.out, "") << label;
        ASSERT_EQ(Lines(r.err).size(), 1u) << label << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vemoctl: ", 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << label;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("no-folder")));
}
