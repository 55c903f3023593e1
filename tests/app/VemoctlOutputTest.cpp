// vemoctl's outputs: the text report, the workbook and the PDF pages of
// every information type, written as the program writes them for the same
// view and count options, and their errors.
#include "RunVemoctl.h"
#include "base/TransCodes.h"
#include "output/PagePagination.h"
#include "output/TextReport.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"
#include "support/CommandOutput.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

const std::vector<std::string> kTypes = {"0", "1", "2", "3"};

// Four teams over two tours (5 and 4 questions), two groups, a deposit and
// Russian texts.
std::string SaveGame(const TempDir& dir) {
    auto game = MakeGame({5, 4}, {"++-+-+-++", "+----+--+", "+++++-+--", "---------"});
    game->SetGameName(TransCodes::Utf8ToAnsi("Кубок \"Осени\""));
    game->SetGameDate({2007, 10, 14});
    game->TeamByIndex(0)->Name = TransCodes::Utf8ToAnsi("Ёжики в тумане");
    game->TeamByIndex(0)->Town = TransCodes::Utf8ToAnsi("Тула");
    game->TeamByIndex(2)->Captain = TransCodes::Utf8ToAnsi("Петров");
    game->TeamByIndex(2)->ScoreDeposit = 3;
    const TGroupData a{"A"}, b{"B"};
    game->AddGroup(&a);
    game->AddGroup(&b);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(1));
    game->TeamByIndex(2)->SetGroup(game->GroupByIndex(1));
    const std::string path = dir.File("game.qgm");
    EXPECT_TRUE(game->SaveToFile(path));
    return path;
}

// The game as the program shows it for these options: read with the count
// options, the view chosen, counted without sorting by rating.
ReportData ProgramData(const std::string& path, const std::map<std::string, std::string>& options,
                       const std::string& type) {
    CountOptions count;
    auto has = [&](const char* name, const char* value) {
        auto found = options.find(name);
        return found != options.end() && found->second == value;
    };
    count.RatingPlusOne = !has("--rating", "zero");
    count.HiRating = !has("--hirating", "off");
    count.DepositScore = has("--deposit", "on");
    TVemoData game;
    game.SetCountOptions(count);
    EXPECT_TRUE(game.LoadFromFile(path));
    if (options.count("--tour")) game.SetCurrentTour(std::stoi(options.at("--tour")));
    if (options.count("--group")) game.SetCurrentGroup(std::stoi(options.at("--group")));
    if (options.count("--last")) game.SetLastQuestion(std::stoi(options.at("--last")));
    game.CountResult();
    return GameReportData(game, static_cast<InfoType>(std::stoi(type)),
                          count.RatingPlusOne ? RatingType::PlusOne : RatingType::Zero);
}

const std::vector<std::map<std::string, std::string>> kOptionSets = {
    {},
    {{"--tour", "2"}, {"--last", "2"}, {"--rating", "zero"}},
    {{"--group", "2"}, {"--deposit", "on"}, {"--hirating", "off"}},
};

std::vector<std::string> Arguments(const std::string& command, const std::string& game,
                                   const std::map<std::string, std::string>& options, const std::string& type,
                                   const std::string& output) {
    std::vector<std::string> args = {command, game, "--type", type};
    for (const auto& [name, value] : options) {
        args.push_back(name);
        args.push_back(value);
    }
    args.push_back("-o");
    args.push_back(output);
    return args;
}

std::vector<std::string> Files(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(VemoctlOutput, ReportsOfEveryTypeAreTheProgramsReports) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    for (const auto& options : kOptionSets)
        for (const std::string& type : kTypes) {
            const RunResult r = RunVemoctl(dir, Arguments("report", game, options, type, dir.File("report.txt")));
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(ReadBytes(dir.File("report.txt")), TextReportBytes(ProgramData(game, options, type)))
                << "type " << type << ", " << options.size() << " options";
        }
}

TEST(VemoctlOutput, ReportsFollowTheViewTheRatingAndThePlaces) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    ASSERT_EQ(RunVemoctl(dir, {"report", game, "--type", "0", "--tour", "2", "--last", "2", "-o", dir.File("t0.txt")})
                  .exitCode,
              0);
    const std::string tour = TransCodes::AnsiToUtf8(ReadBytes(dir.File("t0.txt")));
    EXPECT_NE(tour.find("\r\n                                     Тур 2\r\n"), std::string::npos) << tour;
    EXPECT_NE(tour.find("\r\nИнформация после вопроса №2\r\n(1  )-T3"), std::string::npos) << tour;

    ASSERT_EQ(RunVemoctl(dir, {"report", game, "--type", "3", "--rating", "zero", "-o", dir.File("t3.txt")}).exitCode,
              0);
    const std::string ratings = TransCodes::AnsiToUtf8(ReadBytes(dir.File("t3.txt")));
    EXPECT_NE(ratings.find("\r\n Рейтинг вопросов (Нулевой) \r\n"), std::string::npos) << ratings;
}

TEST(VemoctlOutput, AReportReplacesAnOldFileAndLeavesNothingElse) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    WriteBytes(dir.File("report.txt"), "old");
    ASSERT_EQ(RunVemoctl(dir, {"report", game, "--type", "1", "-o", dir.File("report.txt")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("report.txt")), TextReportBytes(ProgramData(game, {}, "1")));
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"game.qgm", "report.txt", "stderr.txt"}));
}

TEST(VemoctlOutput, WorkbooksOfEveryTypeAreTheProgramsWorkbooks) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    const std::map<std::string, std::string> sheets = {
        {"0", "Результаты тура"}, {"1", "Итоговая таблица"}, {"2", "Засчитанные вопросы"}, {"3", "Рейтинг вопросов"}};
    for (const auto& options : kOptionSets)
        for (const std::string& type : kTypes) {
            const RunResult r = RunVemoctl(dir, Arguments("xlsx", game, options, type, dir.File("book.xlsx")));
            ASSERT_EQ(r.exitCode, 0) << r.err;
            ASSERT_TRUE(WriteWorkbook(BuildWorkbookLayout(ProgramData(game, options, type)), dir.File("own.xlsx")));
            const std::string parts = WorkbookParts(dir.File("book.xlsx"));
            EXPECT_EQ(parts, WorkbookParts(dir.File("own.xlsx"))) << "type " << type;
            EXPECT_NE(parts.find("<sheet name=\"" + sheets.at(type) + "\""), std::string::npos) << parts;
        }
}

#if VEMOCTL_DRAWS_PDF

TEST(VemoctlOutput, PdfHoldsEveryPageOfEveryTypeOnA4InBothOrientations) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    const char* const sections[] = {"Результаты тура", "Итоговая таблица", "Засчитанные вопросы", "Рейтинг вопросов"};
    for (const bool landscape : {false, true})
        for (const std::string& type : kTypes) {
            std::vector<std::string> args = Arguments("pdf", game, {}, type, dir.File("pages.pdf"));
            if (landscape) args.push_back("--landscape");
            const RunResult r = RunVemoctl(dir, args);
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(r.err, "");
            const std::string info = CommandOutput("pdfinfo '" + dir.File("pages.pdf") + "'");
            const auto orientation = landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
            EXPECT_EQ(Field(info, "Pages"), std::to_string(PageCount(ProgramData(game, {}, type), orientation)));
            EXPECT_EQ(Field(info, "Page size"), landscape ? "842 x 595 pts (A4)" : "595 x 842 pts (A4)");
            const std::string text = CommandOutput("pdftotext '" + dir.File("pages.pdf") + "' -");
            EXPECT_NE(text.find(sections[std::stoi(type)]), std::string::npos) << text;
            EXPECT_NE(text.find("Кубок \"Осени\""), std::string::npos) << text;
            if (type != "3") {
                EXPECT_NE(text.find("Ёжики"), std::string::npos) << text;
            }
        }
}

TEST(VemoctlOutput, PdfOfManyTeamsRunsOverSeveralPages) {
    TempDir dir;
    std::vector<std::string> marks(100, "+-+--+-+-+-+++-+--+-");
    ASSERT_TRUE(MakeGame({20}, marks)->SaveToFile(dir.File("many.qgm")));
    ASSERT_EQ(RunVemoctl(dir, {"pdf", dir.File("many.qgm"), "--type", "1", "-o", dir.File("pages.pdf")}).exitCode, 0);
    // 47 teams and 18 questions a page: three blocks of teams, two of questions.
    EXPECT_EQ(Field(CommandOutput("pdfinfo '" + dir.File("pages.pdf") + "'"), "Pages"), "6");
}

TEST(VemoctlOutput, PdfOfTakenQuestionsWithoutTeamsIsTheEmptyFirstPage) {
    TempDir dir;
    ASSERT_TRUE(MakeGame({12}, {})->SaveToFile(dir.File("empty.qgm")));
    const RunResult r = RunVemoctl(dir, {"pdf", dir.File("empty.qgm"), "--type", "2", "-o", dir.File("pages.pdf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = CommandOutput("pdftotext '" + dir.File("pages.pdf") + "' -");
    EXPECT_EQ(Field(CommandOutput("pdfinfo '" + dir.File("pages.pdf") + "'"), "Pages"), "1");
    EXPECT_NE(text.find("Засчитанные вопросы"), std::string::npos) << text;
}

#else

TEST(VemoctlOutput, PdfNeedsTheWindowsBuild) {
    TempDir dir;
    const RunResult r = RunVemoctl(dir, {"pdf", SaveGame(dir), "--type", "1", "-o", dir.File("pages.pdf")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("pages.pdf")));
}

#endif

TEST(VemoctlOutput, BadInputGetsOneLineOnStderrAndWritesNothing) {
    TempDir dir;
    const std::string game = SaveGame(dir);
    std::filesystem::create_directory(dir.File("folder"));
    const std::string out = dir.File("out.txt");
    const std::vector<std::vector<std::string>> cases = {
        {"report", dir.File("missing.qgm"), "--type", "0", "-o", out},
        {"report", game, "--type", "4", "-o", out},
        {"report", game, "--type", "x", "-o", out},
        {"report", game, "-o", out},
        {"report", game, "--type", "0"},
        {"report", game, "--type", "0", "-o"},
        {"report", game, "--type", "0", "--sort-by-rating", "on", "-o", out},
        {"report", game, "--type", "0", "--landscape", "-o", out},
        {"report", game, "--type", "0", "--tour", "3", "-o", out},
        {"report", game, "--type", "0", "-o", dir.File("no-folder/out.txt")},
        {"report", game, "--type", "0", "-o", dir.File("folder")},
        {"xlsx", game, "--type", "5", "-o", out},
        {"xlsx", game, "--type", "1", "--rating", "minus", "-o", out},
        {"xlsx", game, "--type", "1", "-o", dir.File("no-folder/out.xlsx")},
        {"pdf", game, "--type", "-1", "-o", out},
        {"pdf", game, "--type", "0", "--group", "9", "-o", out},
        {"pdf", game, "--type", "0", "-o", dir.File("no-folder/out.pdf")},
    };
    for (const auto& args : cases) {
        const RunResult r = RunVemoctl(dir, args);
        std::string label;
        for (const std::string& a : args) label += a + " ";
        EXPECT_NE(r.exitCode, 0) << label;
        EXPECT_EQ(r.out, "") << label;
        ASSERT_EQ(Lines(r.err).size(), 1u) << label << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vemoctl: ", 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << label;
    }
    EXPECT_EQ(Files(dir), (std::vector<std::string>{"folder", "game.qgm", "stderr.txt"}));
}
