// vemoctl champ: the championship table of the season's files as the
// championship counts it, its type 4 report, workbook and pages, and its
// errors.
#include "RunVemoctl.h"
#include "base/TransCodes.h"
#include "champ/Championship.h"
#include "output/TextReport.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"
#include "support/CommandOutput.h"
#include "support/SeasonFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kHeader = "place\tname\ttown\tgames\tscore\tratscore\tpoints";

std::vector<std::string> Args(std::vector<std::string> options, const std::vector<std::string>& games) {
    options.insert(options.begin(), "champ");
    options.insert(options.end(), games.begin(), games.end());
    return options;
}

// The championship of `games` as the program counts it.
Championship ProgramChampionship(const std::vector<std::string>& games, const ChampSettings& settings) {
    Championship champ;
    champ.SetSettings(settings);
    for (const std::string& game : games) EXPECT_EQ(champ.AddGame(game), Championship::AddResult::Added);
    return champ;
}

std::vector<std::string> TableLines(const Championship& champ) {
    std::vector<std::string> lines = {kHeader};
    for (const ChampTeamRec& r : champ.ChampTeams())
        lines.push_back(std::to_string(r.Place) + "\t" + TransCodes::AnsiToUtf8(r.Name) + "\t" +
                        TransCodes::AnsiToUtf8(r.Town) + "\t" + std::to_string(r.Games) + "\t" +
                        std::to_string(r.Score) + "\t" + std::to_string(r.RatScore) + "\t" + std::to_string(r.Points));
    return lines;
}

ChampSettings Settings(bool byScore, int32_t exlGames, std::array<int32_t, 10> points = {10, 6, 4, 3, 2, 1, 0, 0, 0, 0}) {
    ChampSettings settings;
    settings.CountByScore = byScore;
    settings.ExlGames = exlGames;
    settings.PlacePoints = points;
    return settings;
}

}  // namespace

TEST(VemoctlChamp, TheTableByScoreWithTwoObligatoryGamesByDefault) {
    TempDir dir;
    const auto games = SaveSeason(dir.Path().string());
    const RunResult r = RunVemoctl(dir, Args({}, games));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = Lines(r.out);
    EXPECT_EQ(lines, TableLines(ProgramChampionship(games, Settings(true, 2))));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    // The team of all seven games, once in capitals: one row under its first spelling.
    EXPECT_NE(r.out.find("\tЗнатоки\tМосква\t7\t"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("ЗНАТОКИ"), std::string::npos);
    EXPECT_EQ(lines.size(), 13u);
}

TEST(VemoctlChamp, ModesObligatoryGamesAndPointsAsGiven) {
    TempDir dir;
    const auto games = SaveSeason(dir.Path().string());
    struct Case {
        std::vector<std::string> options;
        ChampSettings settings;
    };
    const Case cases[] = {
        {{"--by-points"}, Settings(false, 2)},
        {{"--by-score", "--mandatory", "5"}, Settings(true, 5)},
        {{"--mandatory", "0"}, Settings(true, 0)},
        {{"--by-points", "--points", "25,18,15,12,10,8,6,4,2,1"},
         Settings(false, 2, {25, 18, 15, 12, 10, 8, 6, 4, 2, 1})},
    };
    for (const Case& c : cases) {
        const RunResult r = RunVemoctl(dir, Args(c.options, games));
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(Lines(r.out), TableLines(ProgramChampionship(games, c.settings))) << c.options[0];
    }
    // With no obligatory game nothing counts in score mode; the games played still show.
    const std::vector<std::string> none = Lines(RunVemoctl(dir, Args({"--mandatory", "0"}, {games[0], games[1]})).out);
    ASSERT_GT(none.size(), 2u);
    for (const std::string& line : std::vector<std::string>(none.begin() + 1, none.end())) {
        EXPECT_EQ(line.substr(line.size() - 6), "\t0\t0\t0") << line;
        EXPECT_EQ(line.rfind("1\t", 0), 0u) << "every row shares the first place: " << line;
    }
}

TEST(VemoctlChamp, ReportAndWorkbookAreTheProgramsTypeFour) {
    TempDir dir;
    const auto games = SaveSeason(dir.Path().string());
    const Championship byScore = ProgramChampionship(games, Settings(true, 3));
    const std::string name = "Кубок сезона";

    RunResult r = RunVemoctl(dir, Args({"--mandatory", "3", "--name", name, "--report", dir.File("r.txt")}, games));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadBytes(dir.File("r.txt")), TextReportBytes(ChampReportData(byScore, TransCodes::Utf8ToAnsi(name))));

    r = RunVemoctl(dir, Args({"--report", dir.File("default.txt")}, games));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(TransCodes::AnsiToUtf8(ReadBytes(dir.File("default.txt"))).find("\r\n                                  Без названия\r\n"),
              std::string::npos);

    const Championship byPoints = ProgramChampionship(games, Settings(false, 2));
    r = RunVemoctl(dir, Args({"--by-points", "--name", name, "--xlsx", dir.File("book.xlsx")}, games));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_TRUE(WriteWorkbook(BuildWorkbookLayout(ChampReportData(byPoints, TransCodes::Utf8ToAnsi(name))),
                              dir.File("own.xlsx")));
    const std::string parts = WorkbookParts(dir.File("book.xlsx"));
    EXPECT_EQ(parts, WorkbookParts(dir.File("own.xlsx")));
    EXPECT_NE(parts.find("<sheet name=\"Результаты чемпионата\""), std::string::npos) << parts;
}

#if VEMOCTL_DRAWS_PDF

TEST(VemoctlChamp, PdfPagesOfTheTableInBothOrientations) {
    TempDir dir;
    const auto games = SaveSeason(dir.Path().string());
    for (const bool landscape : {false, true}) {
        std::vector<std::string> options = {"--mandatory", "5", "--name", "Кубок сезона", "--pdf", dir.File("p.pdf")};
        if (landscape) options.push_back("--landscape");
        const RunResult r = RunVemoctl(dir, Args(options, games));
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string info = CommandOutput("pdfinfo '" + dir.File("p.pdf") + "'");
        EXPECT_EQ(Field(info, "Pages"), "1");
        EXPECT_EQ(Field(info, "Page size"), landscape ? "842 x 595 pts (A4)" : "595 x 842 pts (A4)");
        const std::string text = CommandOutput("pdftotext -layout '" + dir.File("p.pdf") + "' -");
        for (const char* expected : {"Результаты чемпионата", "Кубок сезона", "О / Рейт.", "Знатоки", "5(7)"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

#endif

TEST(VemoctlChamp, BadInputGetsOneLineOnStderrAndWritesNothing) {
    TempDir dir;
    const auto games = SaveSeason(dir.Path().string());
    WriteBytes(dir.File("foreign.qgm"), std::string(60, 'x'));
    WriteBytes(dir.File("short.qgm"), ReadBytes(games[0]).substr(0, 80));
    const std::string out = dir.File("out.txt");
    const std::string sameAgain = dir.File("./season1.qgm");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--by-score"},
        {dir.File("missing.qgm")},
        {games[0], dir.File("foreign.qgm")},
        {games[0], dir.File("short.qgm")},
        {games[0], games[1], games[0]},
        {games[0], sameAgain},
        {"--colour", "red", games[0]},
        {"--by-score", "--by-points", games[0]},
        {"--mandatory", "x", games[0]},
        {"--mandatory", "-1", games[0]},
        {"--mandatory", "2147483648", games[0]},
        {"--points", "10,6,4,3,2,1,0,0,0", games[0]},
        {"--points", "10,6,4,3,2,1,0,0,0,0,0", games[0]},
        {"--points", "10,6,4,3,,1,0,0,0,0", games[0]},
        {games[0], "--mandatory"},
        {"--landscape", games[0]},
        {"--report", out, "--xlsx", dir.File("out.xlsx"), games[0]},
        {"--report", out, games[0], dir.File("foreign.qgm")},
        {"--report", dir.File("no-folder/out.txt"), games[0]},
        {"--xlsx", dir.File("no-folder/out.xlsx"), games[0]},
    };
    for (const auto& options : cases) {
        const RunResult r = RunVemoctl(dir, Args(options, {}));
        std::string label;
        for (const std::string& a : options) label += a + " ";
        EXPECT_NE(r.exitCode, 0) << label;
        EXPECT_EQ(r.out, "") << label;
        ASSERT_EQ(Lines(r.err).size(), 1u) << label << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vemoctl: ", 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << label;
    }
    EXPECT_NE(RunVemoctl(dir, Args({}, {games[0], sameAgain})).err.find("дважды"), std::string::npos);
    EXPECT_NE(RunVemoctl(dir, Args({}, {dir.File("foreign.qgm")})).err.find("не игровой файл"), std::string::npos);
}
