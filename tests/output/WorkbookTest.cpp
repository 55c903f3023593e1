// The workbook of every type: its layout as data, and the .xlsx read back
// with openpyxl (cell texts, merges, alignment, bold, wrap, borders, the
// sheet's name, the text format and the widths).
#include "OutputGames.h"
#include "base/TransCodes.h"
#include "output/OutputCredits.h"
#include "output/WorkbookLayout.h"
#include "output/WorkbookWriter.h"
#include "support/CommandOutput.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace {

struct CellInfo {
    std::string text;  // Windows-1251
    bool bold = false;
    std::string horizontal;
    std::string vertical;
    bool wrap = false;
    std::string borders;
    std::string format;
};

struct SheetDump {
    int sheets = 0;
    std::string name;
    std::set<std::string> merges;
    std::map<std::string, CellInfo> cells;
    std::map<std::string, double> widths;
    int textColumns = 0;

    std::string Text(const std::string& address) const {
        auto found = cells.find(address);
        return found == cells.end() ? std::string() : found->second.text;
    }
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

SheetDump ReadBack(const std::string& path) {
    const std::string output = CommandOutput(std::string("/usr/bin/python3 ") + READ_WORKBOOK_SCRIPT + " '" + path + "'");

    SheetDump dump;
    std::stringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto f = Fields(line);
        if (f[0] == "sheets") dump.sheets = std::stoi(f[1]);
        if (f[0] == "sheet") dump.name = TransCodes::Utf8ToAnsi(f[1]);
        if (f[0] == "merge") dump.merges.insert(f[1]);
        if (f[0] == "cell")
            dump.cells[f[1]] = {TransCodes::Utf8ToAnsi(f[2]), f[3] == "1", f[4], f[5], f[6] == "1", f[7], f[8]};
        if (f[0] == "width") dump.widths[f[1]] = std::stod(f[2]);
        if (f[0] == "textcolumns") dump.textColumns = std::stoi(f[1]);
    }
    return dump;
}

std::string Address(int column, int row) { return ColumnLetters(column) + std::to_string(row); }

SheetDump WriteAndReadBack(const ReportData& data, WorkbookLayout* layoutOut = nullptr) {
    static TempDir dir;
    const WorkbookLayout layout = BuildWorkbookLayout(data);
    const std::string path = dir.File("book.xlsx");
    EXPECT_TRUE(WriteWorkbook(layout, path));
    if (layoutOut) *layoutOut = layout;
    return ReadBack(path);
}

SheetDump WriteAndReadBack(TVemoData& game, InfoType type, WorkbookLayout* layoutOut = nullptr) {
    return WriteAndReadBack(GameReportData(game, type, RatingType::PlusOne), layoutOut);
}

// Types 0-3 name the tour and its date.
std::string DatedTitle(const TVemoData& game) { return game.CurrentTourName() + " (" + game.GameDateText() + ")"; }

// What every type shares: the heading, the title over two rows, the
// bordered left-aligned block from row 5 and the two credit lines.
struct Frame {
    const char* heading;
    const char* sheetName;
    int lastColumn;  // from 0
    int blockEnd;    // row, from 1
};

void ExpectFrame(const SheetDump& dump, const std::string& title, const Frame& frame) {
    const std::string x = ColumnLetters(frame.lastColumn);
    const int e = frame.blockEnd;
    EXPECT_EQ(dump.sheets, 1);
    EXPECT_EQ(dump.name, Ansi(frame.sheetName));
    const std::set<std::string> merges = {"A1:" + x + "1", "A2:" + x + "3",
                                          "A" + std::to_string(e + 2) + ":" + x + std::to_string(e + 2),
                                          "A" + std::to_string(e + 3) + ":" + x + std::to_string(e + 3)};
    EXPECT_EQ(dump.merges, merges);
    const CellInfo& heading = dump.cells.at("A1");
    EXPECT_EQ(heading.text, Ansi(frame.heading));
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.horizontal, "center");
    const CellInfo& titleCell = dump.cells.at("A2");
    EXPECT_EQ(titleCell.text, title);
    EXPECT_TRUE(titleCell.bold);
    EXPECT_TRUE(titleCell.wrap);
    EXPECT_EQ(titleCell.horizontal, "center");
    EXPECT_EQ(titleCell.vertical, "center");
    for (int i = 0; i < 2; ++i) {
        const CellInfo& credit = dump.cells.at(Address(0, e + 2 + i));
        EXPECT_EQ(credit.text, OutputCredits::WorkbookLine(i));
        EXPECT_TRUE(credit.bold);
        EXPECT_EQ(credit.horizontal, "center");
    }
    for (int row = 5; row <= e; ++row)
        for (int column = 0; column <= frame.lastColumn; ++column) {
            const std::string address = Address(column, row);
            ASSERT_TRUE(dump.cells.count(address)) << address << " must be bordered";
            const CellInfo& cell = dump.cells.at(address);
            EXPECT_EQ(cell.borders, "ltrb") << address;
            EXPECT_EQ(cell.horizontal, "left") << address;
            EXPECT_FALSE(cell.bold) << address;
            EXPECT_EQ(cell.format, "@") << address;
        }
    for (const auto& [address, cell] : dump.cells) {
        EXPECT_EQ(cell.format, "@") << address;
        const int row = std::stoi(address.substr(address.find_first_of("0123456789")));
        EXPECT_TRUE(row <= 3 || (row >= 5 && row <= e) || row == e + 2 || row == e + 3) << address << " is stray";
    }
    EXPECT_EQ(dump.textColumns, WorkbookLayout::kTextColumns);
}

// The file keeps a width with the cell's margins of 5 pixels, 7 pixels a
// character, rounded to whole pixels.
constexpr double kMargins = 5.0 / 7;
constexpr double kPixelRounding = 0.08;

// Autofit: each column as wide as its longest text outside the merged rows.
void ExpectFittedWidths(const SheetDump& dump, int lastColumn, int blockEnd) {
    for (int column = 0; column <= lastColumn; ++column) {
        std::size_t longest = 0;
        for (int row = 5; row <= blockEnd; ++row) longest = std::max(longest, dump.Text(Address(column, row)).size());
        const std::string letters = ColumnLetters(column);
        ASSERT_TRUE(dump.widths.count(letters)) << letters;
        EXPECT_NEAR(dump.widths.at(letters) - kMargins, AutoFitWidth(longest), kPixelRounding) << letters;
    }
}

std::vector<const TTeamData*> PlaceOrder(const TVemoData& game) {
    std::vector<const TTeamData*> order(static_cast<std::size_t>(game.ActiveTeamCount()));
    for (int i = 0; i < game.ActiveTeamCount(); ++i)
        order[static_cast<std::size_t>(game.ActiveTeam(i)->SortPos)] = game.ActiveTeam(i);
    return order;
}

TEST(WorkbookLayout, ColumnLettersRunPastZ) {
    const std::pair<int, const char*> cases[] = {{0, "A"},   {5, "F"},   {25, "Z"},   {26, "AA"},
                                                 {51, "AZ"}, {52, "BA"}, {214, "HG"}, {701, "ZZ"}, {702, "AAA"}};
    for (auto [column, letters] : cases) EXPECT_EQ(ColumnLetters(column), letters) << column;
}

TEST(WorkbookLayout, WidthsFollowTheLongestTextOfEachColumnButNotTheMergedRows) {
    auto game = ShowcaseGame();
    const WorkbookLayout layout =
        BuildWorkbookLayout(GameReportData(*game, InfoType::TourResults, RatingType::PlusOne));
    ASSERT_EQ(layout.columnWidths.size(), 6u);
    EXPECT_DOUBLE_EQ(layout.columnWidths[0], AutoFitWidth(5));   // "Место"
    EXPECT_DOUBLE_EQ(layout.columnWidths[1], AutoFitWidth(39));  // the long name
    EXPECT_DOUBLE_EQ(layout.columnWidths[3], AutoFitWidth(32));  // the long captain
    EXPECT_LT(layout.columnWidths[0], layout.Text(0, 0).size()) << "the heading is merged and does not count";
    EXPECT_DOUBLE_EQ(AutoFitWidth(0), WorkbookLayout::kDefaultWidth);
    EXPECT_LT(AutoFitWidth(1), AutoFitWidth(2));
    EXPECT_DOUBLE_EQ(AutoFitWidth(100000), 255.0);
}

TEST(Workbook, TourResultsInPlaceOrder) {
    auto game = ShowcaseGame();
    const SheetDump dump = WriteAndReadBack(*game, InfoType::TourResults);
    const int n = game->ActiveTeamCount();
    ExpectFrame(dump, DatedTitle(*game), {"Результаты тура:", "Результаты тура", 5, n + 5});
    const char* headers[] = {"Место", "Команда", "Город", "Капитан", "Очки", "Рейтинг"};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(dump.Text(Address(c, 5)), Ansi(headers[c]));
    const auto order = PlaceOrder(*game);
    for (int k = 0; k < n; ++k) {
        const TTeamData& t = *order[static_cast<std::size_t>(k)];
        const std::string row[] = {std::to_string(t.Place), t.Name, t.Town, t.Captain, std::to_string(t.Score),
                                   std::to_string(t.RatScore)};
        for (int c = 0; c < 6; ++c) EXPECT_EQ(dump.Text(Address(c, k + 6)), row[c]) << Address(c, k + 6);
    }
    EXPECT_EQ(dump.Text("E" + std::to_string(n + 5)), "-25") << "the deposit's negative score, as text";
    ExpectFittedWidths(dump, 5, n + 5);
}

TEST(Workbook, FinalTableWithQuestionNumbersRatingsAndMarks) {
    auto game = ShowcaseGame();
    const SheetDump dump = WriteAndReadBack(*game, InfoType::FinalTable);
    const int n = game->ActiveTeamCount(), Q = game->WindowQuestionCount();
    ExpectFrame(dump, DatedTitle(*game), {"Итоговая таблица тура:", "Итоговая таблица", Q + 5, n + 6});
    EXPECT_EQ(ColumnLetters(Q + 5), "DG");
    const char* headers[] = {"#", "Команда", "Город", "М", "Очки", "Рейт."};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(dump.Text(Address(c, 6)), Ansi(headers[c]));
    for (int c = 0; c < 5; ++c) EXPECT_EQ(dump.Text(Address(c, 5)), "");
    EXPECT_EQ(dump.Text("F5"), Ansi("Вопр."));
    for (int q = 1; q <= Q; ++q) {
        EXPECT_EQ(dump.Text(Address(q + 5, 5)), std::to_string(q));
        EXPECT_EQ(dump.Text(Address(q + 5, 6)), std::to_string(game->QuestionRating(q - 1)));
    }
    for (int i = 0; i < n; ++i) {
        const TTeamData& t = *game->ActiveTeam(i);
        const std::string row[] = {std::to_string(t.Number), t.Name, t.Town, std::to_string(t.Place),
                                   std::to_string(t.Score), std::to_string(t.RatScore)};
        for (int c = 0; c < 6; ++c) EXPECT_EQ(dump.Text(Address(c, i + 7)), row[c]) << Address(c, i + 7);
        for (int q = 1; q <= Q; ++q)
            EXPECT_EQ(dump.Text(Address(q + 5, i + 7)), std::string(1, game->QuestSign(i, q - 1)));
    }
    ExpectFittedWidths(dump, Q + 5, n + 6);
}

TEST(Workbook, FinalTableEndsAtZAaAndAzFor20And21And46Questions) {
    for (auto [questions, last] : {std::pair{20, "Z"}, std::pair{21, "AA"}, std::pair{46, "AZ"}}) {
        auto game = PatternGame(3, questions);
        const SheetDump dump = WriteAndReadBack(*game, InfoType::FinalTable);
        EXPECT_TRUE(dump.merges.count(std::string("A1:") + last + "1")) << questions;
        EXPECT_EQ(dump.Text(std::string(last) + "5"), std::to_string(questions));
        EXPECT_EQ(dump.cells.at(std::string(last) + "9").borders, "ltrb");
        EXPECT_EQ(dump.Text(ColumnLetters(questions + 6) + "5"), "") << "nothing past the last question";
    }
}

TEST(Workbook, TakenQuestionsListEntriesWithoutTheLastCommaAndNothingForNone) {
    auto game = ShowcaseGame();
    const SheetDump dump = WriteAndReadBack(*game, InfoType::TakenQuestions);
    const int n = game->ActiveTeamCount();
    ExpectFrame(dump, DatedTitle(*game), {"Список засчитанных вопросов:", "Засчитанные вопросы", 3, n + 5});
    const char* headers[] = {"#", "Команда", "Город", "Вопросы"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(dump.Text(Address(c, 5)), Ansi(headers[c]));
    for (int i = 0; i < n; ++i) {
        const TTeamData& t = *game->ActiveTeam(i);
        std::string entries;
        for (int q = 0; q < game->WindowQuestionCount(); ++q)
            if (game->QuestSign(i, q) == '+')
                entries += std::to_string(q + 1) + "(" + std::to_string(game->QuestionRating(q)) + "), ";
        if (!entries.empty()) entries.resize(entries.size() - 2);
        EXPECT_EQ(dump.Text(Address(0, i + 6)), std::to_string(t.Number));
        EXPECT_EQ(dump.Text(Address(1, i + 6)), t.Name);
        EXPECT_EQ(dump.Text(Address(2, i + 6)), t.Town);
        EXPECT_EQ(dump.Text(Address(3, i + 6)), entries);
    }
    EXPECT_EQ(dump.Text("D10"), "") << "team 5 took nothing";
    EXPECT_EQ(dump.cells.at("D10").borders, "ltrb");
    ExpectFittedWidths(dump, 3, n + 5);
}

TEST(Workbook, QuestionRatingsInTwoColumnsTwentyWide) {
    auto game = ShowcaseGame();
    WorkbookLayout layout;
    const SheetDump dump = WriteAndReadBack(*game, InfoType::QuestionRatings, &layout);
    const int Q = game->WindowQuestionCount();
    ExpectFrame(dump, DatedTitle(*game), {"Рейтинг вопросов тура:", "Рейтинг вопросов", 1, Q + 5});
    EXPECT_EQ(dump.Text("A5"), Ansi("Вопрос"));
    EXPECT_EQ(dump.Text("B5"), Ansi("Рейтинг"));
    for (int q = 1; q <= Q; ++q) {
        EXPECT_EQ(dump.Text(Address(0, q + 5)), std::to_string(q));
        EXPECT_EQ(dump.Text(Address(1, q + 5)), std::to_string(game->QuestionRating(q - 1)));
    }
    EXPECT_EQ(layout.columnWidths, (std::vector<double>{20.0, 20.0}));
    EXPECT_NEAR(dump.widths.at("A") - kMargins, 20.0, kPixelRounding);
    EXPECT_NEAR(dump.widths.at("B") - kMargins, 20.0, kPixelRounding);
}

TEST(Workbook, NoTeamsKeepsTheHeadingsTheHeaderRowsAndTheCredits) {
    auto game = MakeGame({15}, {});
    game->CountResult();
    const Frame frames[] = {
        {"Результаты тура:", "Результаты тура", 5, 5},
        {"Итоговая таблица тура:", "Итоговая таблица", 20, 6},
        {"Список засчитанных вопросов:", "Засчитанные вопросы", 3, 5},
    };
    for (int type = 0; type < 3; ++type) {
        const SheetDump dump = WriteAndReadBack(*game, static_cast<InfoType>(type));
        ExpectFrame(dump, DatedTitle(*game), frames[type]);
        EXPECT_EQ(dump.Text("B" + std::to_string(frames[type].blockEnd)), Ansi("Команда"));
    }
}

TEST(Workbook, ChampionshipTableInItsOrderInBothModes) {
    TempDir dir;
    for (const bool byScore : {true, false}) {
        ChampSettings settings;
        settings.CountByScore = byScore;
        settings.ExlGames = 5;
        const Championship champ = SeasonChampionship(dir.Path().string(), settings);
        const auto& rows = champ.ChampTeams();
        const int R = static_cast<int>(rows.size());
        const std::string name = Ansi("Кубок сезона 2007 года");
        const SheetDump dump = WriteAndReadBack(ChampReportData(champ, name));
        ExpectFrame(dump, name, {"Результаты чемпионата:", "Результаты чемпионата", 4, R + 5});
        const char* headers[] = {"Место", "Команда", "Город", "Игры", byScore ? "О / Рейт." : "Очки"};
        for (int c = 0; c < 5; ++c) EXPECT_EQ(dump.Text(Address(c, 5)), Ansi(headers[c]));
        for (int i = 0; i < R; ++i) {
            const ChampTeamRec& r = rows[static_cast<std::size_t>(i)];
            const std::string result = byScore ? std::to_string(r.Score) + " / " + std::to_string(r.RatScore)
                                               : std::to_string(r.Points);
            const std::string row[] = {std::to_string(r.Place), r.Name, r.Town, std::to_string(r.Games), result};
            for (int c = 0; c < 5; ++c) EXPECT_EQ(dump.Text(Address(c, i + 6)), row[c]) << Address(c, i + 6);
        }
        // The games column holds the games played, even where fewer counted.
        const auto allSeven = std::find_if(rows.begin(), rows.end(), [](const ChampTeamRec& r) { return r.Games == 7; });
        ASSERT_NE(allSeven, rows.end());
        EXPECT_EQ(dump.Text(Address(3, static_cast<int>(allSeven - rows.begin()) + 6)), "7");
        ExpectFittedWidths(dump, 4, R + 5);
    }
}

TEST(Workbook, ChampionshipWithoutGamesKeepsItsHeaderRow) {
    const SheetDump dump = WriteAndReadBack(ChampReportData(Championship(), Ansi("Без названия")));
    ExpectFrame(dump, Ansi("Без названия"), {"Результаты чемпионата:", "Результаты чемпионата", 4, 5});
    EXPECT_EQ(dump.Text("E5"), Ansi("Очки"));
}

TEST(Workbook, AFileThatCannotBeCreatedGivesFalseAndKeepsTheOldOne) {
    TempDir dir;
    auto game = PatternGame(3, 5);
    const WorkbookLayout layout =
        BuildWorkbookLayout(GameReportData(*game, InfoType::TourResults, RatingType::PlusOne));
    EXPECT_FALSE(WriteWorkbook(layout, dir.File("missing/book.xlsx")));
    EXPECT_FALSE(WriteWorkbook(layout, dir.Path().string()));
    const std::string path = dir.File("book.xlsx");
    WriteBytes(path, "old");
    ASSERT_TRUE(WriteWorkbook(layout, path));
    EXPECT_EQ(ReadBytes(path).substr(0, 2), "PK");
    std::size_t leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) leftovers += entry.path() != path;
    EXPECT_EQ(leftovers, 0u) << "no temporary file stays beside the workbook";
}

}  // namespace
