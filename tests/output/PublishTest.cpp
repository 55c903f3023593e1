// The published results in each format, read back as their readers read
// them (Debian's python: the csv and json modules, the page as strict XML)
// and compared with the counted game itself: the order, the shared places
// as ranges, the tours' scores and the answers of every counted question.
#include "OutputGames.h"
#include "base/TransCodes.h"
#include "output/OutputCredits.h"
#include "output/PublishWriter.h"
#include "support/CommandOutput.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

using Record = std::vector<std::string>;

std::vector<Record> ReadBack(PublishFormat format, const std::string& path) {
    static const char* const kNames[] = {"csv", "json", "html"};
    const std::string output = CommandOutput(std::string("/usr/bin/python3 ") + READ_PUBLISHED_SCRIPT + " " +
                                             kNames[static_cast<int>(format)] + " '" + path + "'");
    std::vector<Record> records;
    std::stringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        Record fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
        if (!line.empty() && line.back() == '\t') fields.emplace_back();
        records.push_back(fields);
    }
    return records;
}

std::vector<Record> Tagged(const std::vector<Record>& records, const std::string& tag) {
    std::vector<Record> tagged;
    for (const Record& r : records)
        if (!r.empty() && r[0] == tag) tagged.emplace_back(r.begin() + 1, r.end());
    return tagged;
}

std::string Single(const std::vector<Record>& records, const std::string& tag) {
    const auto tagged = Tagged(records, tag);
    EXPECT_EQ(tagged.size(), 1u) << tag;
    return tagged.empty() || tagged[0].empty() ? std::string() : tagged[0][0];
}

std::vector<Record> WriteAndRead(TVemoData& game, PublishFormat format, int refresh = 0) {
    static TempDir dir;
    const std::string path = dir.File("published");
    EXPECT_TRUE(WritePublished(GameReportData(game, InfoType::TourResults, RatingType::PlusOne), format, path, refresh));
    return ReadBack(format, path);
}

std::string U(const std::string& ansi) { return TransCodes::AnsiToUtf8(ansi); }

// What a row of the standings must say, worked out from the game's own
// teams, places and marks.
struct Expected {
    std::string number, placeRange, name, town, score, ratScore;
    std::vector<std::string> tourScores;
    std::string marks;
};

std::vector<Expected> ExpectedRows(const TVemoData& game, int last) {
    const TeamArrayType order = game.TeamsInCountedOrder();
    std::vector<Expected> rows;
    for (const TTeamData* team : order) {
        int sharing = 0;
        int firstPosition = -1;
        for (std::size_t k = 0; k < order.size(); ++k)
            if (order[k]->Place == team->Place) {
                ++sharing;
                if (firstPosition < 0) firstPosition = static_cast<int>(k);
            }
        EXPECT_EQ(team->Place, firstPosition + 1) << "a shared place is the first position of the run";
        Expected row;
        row.number = std::to_string(team->Number);
        row.placeRange = sharing == 1 ? std::to_string(team->Place)
                                      : std::to_string(team->Place) + "-" + std::to_string(team->Place + sharing - 1);
        row.name = U(team->Name);
        row.town = U(team->Town);
        row.score = std::to_string(team->Score);
        row.ratScore = std::to_string(team->RatScore);
        for (int q = 0; q < last; ++q) row.marks += team->Mark(q) ? '1' : '0';
        if (game.CurrentTour() == 0 && game.TourCount() > 1) {
            int start = 0;
            for (int t = 0; t < game.TourCount(); ++t) {
                int taken = 0;
                for (int q = start; q < std::min(last, start + game.TourQuestCount(t)); ++q) taken += team->RawMark(q) != 0;
                row.tourScores.push_back(std::to_string(taken));
                start += game.TourQuestCount(t);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

Record CsvRecord(const Expected& e) {
    Record r = {e.number, e.placeRange, e.name, e.town, e.score, e.ratScore};
    r.insert(r.end(), e.tourScores.begin(), e.tourScores.end());
    r.push_back(e.marks);
    return r;
}

Record HtmlRecord(const Expected& e) {
    Record r = {e.placeRange, e.number, e.name, e.town};
    r.insert(r.end(), e.tourScores.begin(), e.tourScores.end());
    r.insert(r.end(), {e.score, e.ratScore, e.marks});
    return r;
}

std::string JsonText(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

Record JsonRecord(const Expected& e) {
    std::string tours = "[";
    for (std::size_t t = 0; t < e.tourScores.size(); ++t) tours += (t ? ", " : "") + e.tourScores[t];
    tours += "]";
    const std::string place = e.placeRange.empty() ? "0" : e.placeRange.substr(0, e.placeRange.find('-'));
    return {"number=" + e.number,       "place=" + place,          "place_range=" + JsonText(e.placeRange),
            "name=" + JsonText(e.name), "town=" + JsonText(e.town), "score=" + e.score,
            "rating_score=" + e.ratScore, "tour_scores=" + tours,   "marks=" + JsonText(e.marks)};
}

template <class Make>
std::vector<Record> Each(const std::vector<Expected>& rows, Make make) {
    std::vector<Record> records;
    for (const Expected& e : rows) records.push_back(make(e));
    return records;
}

// Teams 2, 3 and 4 answer alike and share the places 2-4; teams 5 and 6
// too (5-6). Higher rating cannot tell twins apart.
std::unique_ptr<TVemoData> TiedGame() {
    auto game = MakeGame({4, 3}, {"+++++-+", "++-+--+", "++-+--+", "++-+--+", "+------", "+------", "-------"});
    game->SetRatingPlusOne(true);
    game->SetHiRating(true);
    game->CountResult();
    return game;
}

}  // namespace

TEST(PublishTest, CsvReadBackByPythonHoldsTheStandingsInPlaceOrder) {
    auto game = ShowcaseGame();
    const auto records = WriteAndRead(*game, PublishFormat::Csv);
    EXPECT_EQ(Single(records, "bom"), "1");
    const auto rows = Tagged(records, "row");
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0], (Record{"Номер", "Место", "Команда", "Город", "Очки", "Рейтинг", "Тур 1", "Тур 2", "Ответы"}));
    EXPECT_EQ(std::vector<Record>(rows.begin() + 1, rows.end()),
              Each(ExpectedRows(*game, 105), CsvRecord));
}

TEST(PublishTest, SharedPlacesAreRangesInEveryFormat) {
    auto game = TiedGame();
    const auto expected = ExpectedRows(*game, 7);
    ASSERT_EQ(expected[1].placeRange, "2-4");
    ASSERT_EQ(expected[4].placeRange, "5-6");
    ASSERT_EQ(expected[6].placeRange, "7");

    const auto csv = Tagged(WriteAndRead(*game, PublishFormat::Csv), "row");
    EXPECT_EQ(std::vector<Record>(csv.begin() + 1, csv.end()), Each(expected, CsvRecord));
    EXPECT_EQ(Tagged(WriteAndRead(*game, PublishFormat::Json), "row"), Each(expected, JsonRecord));
    EXPECT_EQ(Tagged(WriteAndRead(*game, PublishFormat::Html), "row"), Each(expected, HtmlRecord));
}

TEST(PublishTest, JsonHoldsTheHeaderTheCountOptionsAndTheRows) {
    auto game = ShowcaseGame();
    game->SetLastQuestion(70);
    game->CountResult();
    const auto records = WriteAndRead(*game, PublishFormat::Json);
    EXPECT_EQ(Single(records, "keys"), "header count rows");
    EXPECT_EQ(Tagged(records, "header"),
              (std::vector<Record>{{"title", "\"Кубок города по интеллектуальным играм\""},
                                   {"game_name", "\"Кубок города по интеллектуальным играм\""},
                                   {"date", "\"07.03.2007\""},
                                   {"last_question", "70"},
                                   {"question_count", "105"},
                                   {"tours", "[{\"name\": \"Тур 1\", \"questions\": 60}, "
                                             "{\"name\": \"Тур 2\", \"questions\": 45}]"}}));
    EXPECT_EQ(Tagged(records, "count"), (std::vector<Record>{{"rating_plus_one", "true"},
                                                             {"hi_rating", "true"},
                                                             {"sort_by_rating", "false"},
                                                             {"deposit", "true"}}));
    EXPECT_EQ(Tagged(records, "row"), Each(ExpectedRows(*game, 70), JsonRecord));
}

// The answers after the counted question are not given out, and the tours'
// scores count only what the marks show.
TEST(PublishTest, MarkStringsCoverTheCountedQuestionsOfTheWindow) {
    struct Case {
        const char* what;
        int tour;  // 0: the whole game
        int last;
        std::size_t columns;  // of a CSV row
    };
    const Case cases[] = {
        {"the whole game", 0, 105, 9},
        {"the whole game after question 70", 0, 70, 9},
        {"the whole game after question 30 (second tour empty)", 0, 30, 9},
        {"the second tour alone: no tour columns", 2, 45, 7},
        {"the first tour after question 12", 1, 12, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = ShowcaseGame();
        game->SetCurrentTour(c.tour);
        game->SetLastQuestion(c.last);
        game->CountResult();
        const auto expected = ExpectedRows(*game, c.last);
        const auto rows = Tagged(WriteAndRead(*game, PublishFormat::Csv), "row");
        ASSERT_EQ(rows.size(), 13u);
        EXPECT_EQ(rows[0].size(), c.columns);
        EXPECT_EQ(std::vector<Record>(rows.begin() + 1, rows.end()), Each(expected, CsvRecord));
        for (const Expected& e : expected) {
            EXPECT_EQ(e.marks.size(), static_cast<std::size_t>(c.last));
            int tours = 0;
            for (const std::string& s : e.tourScores) tours += std::stoi(s);
            if (!e.tourScores.empty()) {
                EXPECT_EQ(tours, static_cast<int>(std::count(e.marks.begin(), e.marks.end(), '1')));
            }
        }
    }
}

TEST(PublishTest, HtmlPageIsWellFormedSelfContainedAndSaysWhereTheResultsStand) {
    auto game = ShowcaseGame();
    game->SetLastQuestion(88);
    game->CountResult();
    const auto records = WriteAndRead(*game, PublishFormat::Html);
    EXPECT_EQ(Single(records, "lang"), "ru");
    EXPECT_EQ(Single(records, "charset"), "utf-8");
    EXPECT_TRUE(Tagged(records, "refresh").empty());
    EXPECT_EQ(Single(records, "external"), "0");
    EXPECT_EQ(Single(records, "title"), "Кубок города по интеллектуальным играм");
    EXPECT_EQ(Single(records, "h1"), "Кубок города по интеллектуальным играм");
    EXPECT_EQ(Tagged(records, "p"), (std::vector<Record>{{"date", "07.03.2007"},
                                                         {"after", "Результат после вопроса №88"}}));
    EXPECT_EQ(Tagged(records, "head"),
              (std::vector<Record>{{"Место", "№", "Команда", "Город", "Тур 1", "Тур 2", "Очки", "Рейтинг", "Ответы"}}));
    EXPECT_EQ(Tagged(records, "row"), Each(ExpectedRows(*game, 88), HtmlRecord));
    EXPECT_EQ(Single(records, "footer"), U(OutputCredits::PageLine()));
    // A phone hides the number, the tours and the answers, by class.
    EXPECT_EQ(Tagged(records, "class"), (std::vector<Record>{{"n place", "n number wide", "team", "town", "n tour wide",
                                                              "n tour wide", "n score", "n rating", "marks wide"}}));
}

TEST(PublishTest, HtmlOfATourNamesTheGameAndRefreshesWhenAsked) {
    auto game = ShowcaseGame();
    game->SetTourName(1, Ansi("Финал"));
    game->SetCurrentTour(2);
    game->CountResult();
    const auto records = WriteAndRead(*game, PublishFormat::Html, 10);
    EXPECT_EQ(Single(records, "refresh"), "10");
    EXPECT_EQ(Single(records, "h1"), "Финал");
    EXPECT_EQ(Tagged(records, "p"), (std::vector<Record>{{"game", "Кубок города по интеллектуальным играм"},
                                                         {"date", "07.03.2007"},
                                                         {"after", "Результат после вопроса №45"}}));
    EXPECT_EQ(Tagged(records, "head"),
              (std::vector<Record>{{"Место", "№", "Команда", "Город", "Очки", "Рейтинг", "Ответы"}}));
}

// Texts that are markup or separators elsewhere come back exactly as typed.
TEST(PublishTest, TextsWithSeparatorsQuotesAndMarkupComeBackIntact) {
    auto game = TiedGame();
    const char* const names[] = {"Знатоки; и \"друзья\"", "<b>Жирные</b> & Co", " пробел ", "Ёж;\"", "'апостроф'",
                                 "=СУММ(1;2)", "a\"b"};
    for (int t = 0; t < game->TeamCount(); ++t) {
        game->TeamByIndex(t)->Name = Ansi(names[t]);
        game->TeamByIndex(t)->Town = Ansi(t % 2 ? "Город; с точкой с запятой" : "Сочи");
    }
    game->SetGameName(Ansi("Кубок <\"Ё\"> & Ко"));
    const auto expected = ExpectedRows(*game, 7);
    const auto csv = Tagged(WriteAndRead(*game, PublishFormat::Csv), "row");
    EXPECT_EQ(std::vector<Record>(csv.begin() + 1, csv.end()), Each(expected, CsvRecord));
    EXPECT_EQ(Tagged(WriteAndRead(*game, PublishFormat::Json), "row"), Each(expected, JsonRecord));
    const auto html = WriteAndRead(*game, PublishFormat::Html);
    EXPECT_EQ(Tagged(html, "row"), Each(expected, HtmlRecord));
    EXPECT_EQ(Single(html, "h1"), "Кубок <\"Ё\"> & Ко");
}

TEST(PublishTest, TeamsInViewAreTheCurrentGroupsOnly) {
    auto game = TiedGame();
    const TGroupData group{"G"};
    game->AddGroup(&group);
    for (int number : {2, 5, 7}) game->TeamByNumber(number)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    game->CountResult();
    const auto rows = Tagged(WriteAndRead(*game, PublishFormat::Csv), "row");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(std::vector<Record>(rows.begin() + 1, rows.end()), Each(ExpectedRows(*game, 7), CsvRecord));
}

TEST(PublishTest, AGameNeverCountedHasNoPlaces) {
    auto game = MakeGame({3}, {"++-", "+--"});
    const auto rows = Tagged(WriteAndRead(*game, PublishFormat::Csv), "row");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][1], "");
    EXPECT_EQ(rows[2][1], "");
}

TEST(PublishTest, NoTeamsGiveTheHeadingsAlone) {
    auto game = MakeGame({5}, {});
    for (PublishFormat format : {PublishFormat::Csv, PublishFormat::Json, PublishFormat::Html}) {
        const auto records = WriteAndRead(*game, format);
        EXPECT_EQ(Tagged(records, "row").size(), format == PublishFormat::Csv ? 1u : 0u);
    }
}

TEST(PublishTest, FormatFollowsTheFileExtension) {
    const std::pair<const char*, std::optional<PublishFormat>> cases[] = {
        {"итоги.csv", PublishFormat::Csv},   {"/a/b/R.CSV", PublishFormat::Csv},   {"r.json", PublishFormat::Json},
        {"r.html", PublishFormat::Html},     {"r.HTM", PublishFormat::Html},        {"r.txt", std::nullopt},
        {"csv", std::nullopt},               {"/a.csv/r", std::nullopt},            {"r.csv.bak", std::nullopt},
    };
    for (const auto& [name, format] : cases) EXPECT_EQ(PublishFormatOf(name), format) << name;
}

TEST(PublishTest, AFolderThatDoesNotExistWritesNothing) {
    auto game = TiedGame();
    TempDir dir;
    const std::string path = dir.File("missing/r.html");
    EXPECT_FALSE(WritePublished(GameReportData(*game, InfoType::TourResults, RatingType::PlusOne), PublishFormat::Html,
                                path));
    EXPECT_FALSE(std::filesystem::exists(path));
}
