// vemoctl from the outside: its output formats and its errors.
#include "RunVemoctl.h"
#include "base/TransCodes.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// Three teams, two tours of three questions, two groups; names in Russian.
std::string SaveSample(const TempDir& dir) {
    auto game = MakeGame({3, 3}, {"+++---", "+-+-++", "------"});
    game->SetGameName(TransCodes::Utf8ToAnsi("Кубок \"Осени\""));
    game->SetPresenter("Host");
    game->SetGameDate({2007, 3, 1});
    game->TeamByIndex(0)->Name = TransCodes::Utf8ToAnsi("Ёжики");
    game->TeamByIndex(0)->Town = TransCodes::Utf8ToAnsi("Тула");
    game->TeamByIndex(1)->ScoreDeposit = 2;
    const TGroupData a{"A"}, b{"B"};
    game->AddGroup(&a);
    game->AddGroup(&b);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(1));
    game->TeamByIndex(2)->SetGroup(game->GroupByIndex(1));
    const std::string path = dir.File("sample.qgm");
    game->SaveToFile(path);
    return path;
}

const char* const kHeader = "pos\tplace\tnumber\tname\ttown\tscore\tratscore\ttaken";

}  // namespace

TEST(Vemoctl, DumpPrintsTheWholeGameAsJson) {
    TempDir dir;
    const RunResult r = RunVemoctl(dir, {"dump", SaveSample(dir)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"game_name\": \"Кубок \\\"Осени\\\"\", \"presenter\": \"Host\", \"date\": \"01.03.2007\", "
              "\"question_count\": 6, \"tours\": [{\"name\": \"Тур 1\", \"questions\": 3}, "
              "{\"name\": \"Тур 2\", \"questions\": 3}], \"current_tour\": 0, \"groups\": [\"A\", \"B\"], "
              "\"current_group\": 0, \"teams\": ["
              "{\"number\": 1, \"name\": \"Ёжики\", \"town\": \"Тула\", \"captain\": \"\", \"trainer\": \"\", "
              "\"group\": 0, \"deposit\": 0, \"marks\": \"+++---\"}, "
              "{\"number\": 2, \"name\": \"T2\", \"town\": \"Town\", \"captain\": \"\", \"trainer\": \"\", "
              "\"group\": 1, \"deposit\": 2, \"marks\": \"+-+-++\"}, "
              "{\"number\": 3, \"name\": \"T3\", \"town\": \"Town\", \"captain\": \"\", \"trainer\": \"\", "
              "\"group\": 1, \"deposit\": 0, \"marks\": \"------\"}]}\n");
}

TEST(Vemoctl, StandingsOfTheWholeGameWithDefaults) {
    TempDir dir;
    const RunResult r = RunVemoctl(dir, {"standings", SaveSample(dir)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Ratings plus one over three teams: 2 3 2 4 3 3.
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{
                                kHeader,
                                "0\t1\t2\tT2\tTown\t4\t10\t4",
                                "1\t2\t1\tЁжики\tТула\t3\t7\t3",
                                "2\t3\t3\tT3\tTown\t0\t0\t0",
                            }));
}

TEST(Vemoctl, StandingsFollowTheViewAndCountOptions) {
    TempDir dir;
    const std::string path = SaveSample(dir);
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        // Tour 2, rating zero: ratings 3 2 2; team 2 takes questions 2 and 3.
        {{"--tour", "2", "--rating", "zero"},
         {"0\t1\t2\tT2\tTown\t2\t4\t2", "1\t2\t1\tЁжики\tТула\t0\t0\t0", "2\t2\t3\tT3\tTown\t0\t0\t0"}},
        // Deposit on: team 2 drops to 2 points.
        {{"--deposit", "on"},
         {"0\t1\t1\tЁжики\tТула\t3\t7\t3", "1\t2\t2\tT2\tTown\t2\t10\t4", "2\t3\t3\tT3\tTown\t0\t0\t0"}},
        // Group B after question 1 of tour 1.
        {{"--group", "2", "--tour", "1", "--last", "1"},
         {"0\t1\t2\tT2\tTown\t1\t2\t2", "1\t2\t3\tT3\tTown\t0\t0\t0"}},
        // Sorted by rating with deposits on: the rating decides, not the score.
        {{"--sort-by-rating", "on", "--deposit", "on", "--hirating", "off"},
         {"0\t1\t2\tT2\tTown\t2\t10\t4", "1\t2\t1\tЁжики\tТула\t3\t7\t3", "2\t3\t3\tT3\tTown\t0\t0\t0"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"standings", path};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const RunResult r = RunVemoctl(dir, args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        std::vector<std::string> expected = {kHeader};
        expected.insert(expected.end(), c.rows.begin(), c.rows.end());
        EXPECT_EQ(Lines(r.out), expected) << c.options[0];
    }
}

TEST(Vemoctl, ConvertWritesTheCurrentVersion) {
    TempDir dir;
    // A version 5 file with one team and two questions, texts in code page 866.
    std::string v5;
    const std::string signature = "LUM VeMo Windows Program File.Ver 1.01";
    auto fixed = [&](const std::string& text, std::size_t size) {
        v5 += static_cast<char>(text.size());
        v5 += text;
        v5.append(size - 1 - text.size(), '\0');
    };
    fixed(signature, 41);
    v5 += std::string("\x01\x00\x02\x00\xD7\x07\x03\x01", 8);
    fixed("\x8A\xE3\xA1\xAE\xAA", 61);  // "Кубок"
    v5 += '\x02';
    fixed("Team", 26);
    fixed("Town", 11);
    fixed("Cap", 21);
    fixed("Coach", 21);
    WriteBytes(dir.File("old.qgm"), v5);
    const RunResult r = RunVemoctl(dir, {"convert", dir.File("old.qgm"), dir.File("new.qgm")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string converted = ReadBytes(dir.File("new.qgm"));
    ASSERT_GT(converted.size(), 41u);
    EXPECT_EQ(converted.substr(1, 39), "(c)Q.Durnabelsk VeMo Data File ver 2.01");
    TVemoData game;
    ASSERT_TRUE(game.LoadFromFile(dir.File("new.qgm")));
    EXPECT_EQ(game.GameName(), TransCodes::Utf8ToAnsi("Кубок"));
    EXPECT_EQ(game.TeamByIndex(0)->Trainer, "Coach");
    EXPECT_EQ(MarksText(*game.TeamByIndex(0)), "-+");
}

TEST(Vemoctl, BadInputGetsOneLineOnStderrAndAFailingExit) {
    TempDir dir;
    const std::string path = SaveSample(dir);
    WriteBytes(dir.File("foreign.qgm"), std::string(60, 'x'));
    WriteBytes(dir.File("short.qgm"), ReadBytes(path).substr(0, 50));
    const std::vector<std::vector<std::string>> cases = {
        {"dump", dir.File("missing.qgm")},
        {"dump", dir.File("foreign.qgm")},
        {"standings", dir.File("short.qgm")},
        {"standings", path, "--colour", "red"},
        {"standings", path, "--tour", "3"},
        {"standings", path, "--group", "3"},
        {"standings", path, "--last", "7"},
        {"standings", path, "--hirating", "yes"},
        {"standings", path, "--tour"},
        {"convert", path},
        {"convert", path, dir.File("no-folder/out.qgm")},
        {"frobnicate", path},
        {},
    };
    for (const auto& args : cases) {
        const RunResult r = RunVemoctl(dir, args);
        const std::string label = args.empty() ? "(none)" : args[0] + " " + (args.size() > 2 ? args[2] : "");
        EXPECT_NE(r.exitCode, 0) << label;
        EXPECT_EQ(r.out, "") << label;
        ASSERT_EQ(Lines(r.err).size(), 1u) << label << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vemoctl: ", 0), 0u) << r.err;
    }
    EXPECT_NE(RunVemoctl(dir, {"dump", dir.File("missing.qgm")}).err.find("не найден"), std::string::npos);
}
