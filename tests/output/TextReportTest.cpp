// The text report against reference reports that these tests build line by
// line from the layout rules, reading the counted game itself.
#include "OutputGames.h"
#include "output/OutputCredits.h"
#include "output/TextReport.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string Padded(std::string s, char fill, std::size_t width) {
    while (s.size() < width) s += fill;
    return s;
}

std::string Town2(const TTeamData& team) { return team.Town.substr(0, 2); }

Lines Head(const std::string& title,
           const char* banner = "------------------------------- Результаты игры ------------------------------") {
    Lines lines{Ansi(banner), ""};
    std::string indent;
    for (int i = 0; i < (80 - static_cast<int>(title.size())) / 2; ++i) indent += ' ';
    lines.push_back(indent + title);
    lines.push_back("");
    return lines;
}

Lines& Tail(Lines& lines) {
    lines.push_back("");
    lines.push_back(OutputCredits::TextLine(0));
    lines.push_back(OutputCredits::TextLine(1));
    return lines;
}

std::string Bytes(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

Lines Split(const std::string& bytes) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line must end with CR LF";
    return lines;
}

bool CanCreateIn(const std::string& folder) {
    const std::string probe = folder + "/probe";
    std::FILE* f = std::fopen(probe.c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    std::remove(probe.c_str());
    return true;
}

std::string Report(TVemoData& game, InfoType type, RatingType rating = RatingType::PlusOne) {
    return TextReportBytes(GameReportData(game, type, rating));
}

// Compares line by line first, so a failure names the first wrong line.
void ExpectReport(const std::string& actual, const Lines& expected) {
    const Lines lines = Split(actual);
    for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i + 1;
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(actual, Bytes(expected));
}

Lines ReferenceTourResults(TVemoData& game) {
    Lines lines = Head(game.CurrentTourName());
    if (game.GetLastQuestion() != game.WindowQuestionCount())
        lines.push_back(Ansi("Информация после вопроса №") + std::to_string(game.GetLastQuestion()));
    for (int pos = 0; pos < game.ActiveTeamCount(); ++pos)
        for (int i = 0; i < game.ActiveTeamCount(); ++i) {
            const TTeamData& t = *game.ActiveTeam(i);
            if (t.SortPos != pos) continue;
            const std::string score = std::to_string(t.Score), rating = std::to_string(t.RatScore);
            const std::size_t L = score.size() + rating.size();
            std::string line = "(" + Padded(std::to_string(t.Place), ' ', 3) + ")-" + Padded(t.Name, '.', 25) + "(" +
                               Town2(t) + ")";
            if (L < 7) line += ",";
            line += Padded(t.Captain, '.', 20) + "-";
            if (L < 6) line += " ";
            if (L < 5) line += " ";
            lines.push_back(line + score + "/" + rating);
        }
    return Tail(lines);
}

Lines ReferenceFinalTable(TVemoData& game) {
    Lines lines = Head(game.CurrentTourName());
    lines.push_back(Ansi(" Итоговая таблица "));
    lines.push_back("");
    const int Q = game.WindowQuestionCount();
    const int blocks = (Q - 1) / 46 + 1;
    for (int b = 1; b <= blocks; ++b) {
        const int s = 46 * (b - 1) + 1;
        const int k = std::min(Q - 46 * (b - 1), 46);
        std::string hundreds(34, ' '), tens(34, ' '), units(34, ' ');
        for (int q = s; q < s + k; ++q) {
            hundreds += std::to_string(q / 100);
            tens += std::to_string((q % 100) / 10);
            units += std::to_string(q % 10);
        }
        if (Q >= 100) lines.push_back(hundreds);
        if (Q >= 10) lines.push_back(tens);
        lines.push_back(units);
        for (int i = 0; i < game.ActiveTeamCount(); ++i) {
            const TTeamData& t = *game.ActiveTeam(i);
            std::string line = Padded(std::to_string(i + 1), ' ', 3) + "." + Padded(t.Name, '.', 25) + "(" +
                               Town2(t) + ") ";
            for (int q = s; q < s + k; ++q) line += game.QuestSign(i, q - 1);
            lines.push_back(line);
        }
        if (b < blocks) lines.push_back("");
    }
    return Tail(lines);
}

int DigitCount(int n) { return static_cast<int>(std::to_string(n).size()); }

Lines ReferenceTakenQuestions(TVemoData& game) {
    Lines lines = Head(game.CurrentTourName());
    lines.push_back(Ansi(" Засчитанные вопросы "));
    lines.push_back("");
    const int n = game.ActiveTeamCount(), Q = game.WindowQuestionCount();
    for (int i = 0; i < n; ++i) {
        const TTeamData& t = *game.ActiveTeam(i);
        int m = 0;
        for (int q = 0; q < Q; ++q) m += game.QuestSign(i, q) == '+';
        std::string position = std::to_string(i + 1);
        while (static_cast<int>(position.size()) < DigitCount(n)) position = "0" + position;
        std::string line = position + "." + Padded(t.Name, '.', 25) + "(" + Town2(t) + ") - ";
        if (m == 0) {
            lines.push_back(line + Ansi("[нету]"));
            continue;
        }
        int written = 0;
        for (int q = 1; written < m; ++q) {
            const int r = game.QuestionRating(q - 1);
            if (static_cast<int>(line.size()) + DigitCount(q) + DigitCount(r) + 4 >= 80) {
                lines.push_back(line);
                line = std::string(34, ' ');
            }
            if (game.QuestSign(i, q - 1) == '+') {
                line += std::to_string(q) + "(" + std::to_string(r) + "), ";
                ++written;
            }
        }
        line.erase(line.size() - 2, 1);
        lines.push_back(line);
    }
    return Tail(lines);
}

Lines ReferenceQuestionRatings(TVemoData& game, bool plusOne) {
    Lines lines = Head(game.CurrentTourName());
    lines.push_back(Ansi(plusOne ? " Рейтинг вопросов (Минусы + 1) " : " Рейтинг вопросов (Нулевой) "));
    lines.push_back("");
    std::string header = "  ";
    for (int j = 0; j < 5; ++j) header += Ansi(" Вопр. | Рейт. ");
    lines.push_back(header);
    const int Q = game.WindowQuestionCount();
    const int r = Q % 5 == 0 ? Q / 5 : Q / 5 + 1;
    for (int i = 1; i <= r; ++i) {
        std::string row;
        for (int j = 0; j < 5; ++j) {
            const int q = j * r + i;
            if (q > Q) continue;
            std::string cell = std::to_string(q);
            while (cell.size() < 5) cell = " " + cell;
            row += Padded(cell + " - " + std::to_string(game.QuestionRating(q - 1)), ' ', 15);
        }
        lines.push_back("   " + row);
    }
    return Tail(lines);
}

Lines ReferenceChampionship(const std::string& name, const std::vector<ChampTeamRec>& rows, bool byScore) {
    Lines lines = Head(name, "---------------------------- Результаты чемпионата ---------------------------");
    lines.push_back(Ansi("М   Команда                   Г Капитан              Игры   ") +
                    Ansi(byScore ? "Вопр/Рейт" : "Очки"));
    lines.push_back("");
    for (const ChampTeamRec& r : rows) {
        const std::string result =
            byScore ? std::to_string(r.Score) + "/" + std::to_string(r.RatScore) : std::to_string(r.Points);
        lines.push_back(Padded(std::to_string(r.Place), ' ', 3) + "." + Padded(r.Name, '.', 25) + "(" +
                        r.Town.substr(0, 2) + ")" + Padded(r.Captain, '.', 20) + " [" +
                        Padded(std::to_string(r.Games), ' ', 2) + "] - " + result);
    }
    return Tail(lines);
}

TEST(TextReport, EveryTypeOfTheShowcaseGameMatchesItsReference) {
    auto game = ShowcaseGame();
    ASSERT_EQ(game->ActiveTeamCount(), 12);
    ASSERT_EQ(game->WindowQuestionCount(), 105);
    ASSERT_LT(game->TeamByIndex(6)->Score, 0) << "the showcase needs a negative score";
    ExpectReport(Report(*game, InfoType::TourResults), ReferenceTourResults(*game));
    ExpectReport(Report(*game, InfoType::FinalTable), ReferenceFinalTable(*game));
    ExpectReport(Report(*game, InfoType::TakenQuestions), ReferenceTakenQuestions(*game));
    ExpectReport(Report(*game, InfoType::QuestionRatings, RatingType::PlusOne),
                 ReferenceQuestionRatings(*game, true));
    ExpectReport(Report(*game, InfoType::QuestionRatings, RatingType::Zero), ReferenceQuestionRatings(*game, false));
}

TEST(TextReport, OneTourOfTheShowcaseAndAGroupMatchTheirReferences) {
    auto game = ShowcaseGame();
    game->SetCurrentTour(2);
    game->CountResult();
    ASSERT_EQ(game->WindowQuestionCount(), 45);
    for (auto [type, reference] : {std::pair{InfoType::TourResults, &ReferenceTourResults},
                                   std::pair{InfoType::FinalTable, &ReferenceFinalTable},
                                   std::pair{InfoType::TakenQuestions, &ReferenceTakenQuestions}})
        ExpectReport(Report(*game, type), reference(*game));

    const TGroupData group{"G"};
    game->AddGroup(&group);
    for (int t : {1, 4, 8}) game->TeamByIndex(t)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    game->CountResult();
    ASSERT_EQ(game->ActiveTeamCount(), 3);
    ExpectReport(Report(*game, InfoType::TourResults), ReferenceTourResults(*game));
    ExpectReport(Report(*game, InfoType::TakenQuestions), ReferenceTakenQuestions(*game));
}

TEST(TextReport, TourResultsAfterAnEarlierQuestionSayWhichOne) {
    auto game = ShowcaseGame();
    ASSERT_TRUE(game->SetLastQuestion(100));
    game->CountResult();
    const Lines lines = Split(Report(*game, InfoType::TourResults));
    EXPECT_EQ(lines[4], Ansi("Информация после вопроса №100"));
    ExpectReport(Report(*game, InfoType::TourResults), ReferenceTourResults(*game));
}

// The comma and the two spaces keep the line one length for results of 4 to
// 7 characters; shorter results still get all three.
TEST(TextReport, TourResultLinesKeepTheirLengthWhateverTheResult) {
    struct Case {
        int deposit;
        bool comma;
        const char* spaces;
        const char* result;
    };
    const Case cases[] = {
        {0, true, "  ", "3/3"},          // L = 2
        {10, true, "  ", "-7/3"},        // L = 3
        {100, true, "  ", "-97/3"},      // L = 4
        {1000, true, " ", "-997/3"},     // L = 5
        {10000, true, "", "-9997/3"},    // L = 6
        {100000, false, "", "-99997/3"}, // L = 7
    };
    // The first team took all three questions, which the second missed:
    // with zero ratings its rating score is 3, and the deposit shapes the score.
    auto game = MakeGame({3}, {"+++", "---"});
    game->SetDepositScore(true);
    TTeamData& team = *game->TeamByIndex(0);
    team.Name = Ansi("Знатоки");
    team.Town = Ansi("Москва");
    team.Captain = Ansi("Иванов");
    for (const Case& c : cases) {
        team.ScoreDeposit = c.deposit;
        game->CountResult();
        const Lines lines = Split(Report(*game, InfoType::TourResults));
        const std::string expected = "(" + std::to_string(team.Place) + "  )-" + Ansi("Знатоки") +
                                     std::string(18, '.') + Ansi("(Мо)") + (c.comma ? "," : "") + Ansi("Иванов") +
                                     std::string(14, '.') + "-" + c.spaces + c.result;
        EXPECT_EQ(lines[4 + static_cast<std::size_t>(team.SortPos)], expected) << c.deposit;
    }
}

TEST(TextReport, ScoreOf12AndRatingOf345HaveTheCommaAndOneSpace) {
    // 29 more teams: 28 missed everything, one took questions 1 to 3, so the
    // leader's ratings are 28 three times and 29 nine times (zero ratings).
    std::vector<std::string> marks{std::string(12, '+'), "+++" + std::string(9, '-')};
    for (int t = 0; t < 28; ++t) marks.push_back(std::string(12, '-'));
    auto game = MakeGame({12}, marks);
    game->CountResult();
    ASSERT_EQ(game->TeamByIndex(0)->Score, 12);
    ASSERT_EQ(game->TeamByIndex(0)->RatScore, 345);
    const Lines lines = Split(Report(*game, InfoType::TourResults));
    EXPECT_EQ(lines[4], "(1  )-T1" + std::string(23, '.') + "(To)," + std::string(20, '.') + "- 12/345");
}

TEST(TextReport, LongTitlesAndNamesShiftTheLineButAreNeverCut) {
    auto game = ShowcaseGame();
    const std::string title = Ansi(
        "Открытый кубок города по интеллектуальным играм среди школьников и студентов, финал");
    ASSERT_GT(title.size(), 80u);
    game->SetGameName(title);
    const Lines lines = Split(Report(*game, InfoType::FinalTable));
    EXPECT_EQ(lines[2], title);
    // Banner, empty, title, empty, heading, empty, three digit lines, team 1, team 2.
    EXPECT_EQ(lines[10].substr(0, 4 + 39 + 4), "2  ." + Ansi("Очень длинное название команды знатоков(Я) "));
}

TEST(TextReport, FinalTableOf47QuestionsHasTwoBlocksOneEmptyLineApart) {
    auto game = PatternGame(3, 47);
    const Lines lines = Split(Report(*game, InfoType::FinalTable));
    // head 4, heading 2, block 1: tens, units, 3 teams; empty; block 2: tens, units, 3 teams; tail 3
    ASSERT_EQ(lines.size(), 4u + 2 + 5 + 1 + 5 + 3);
    EXPECT_EQ(lines[6], std::string(34, ' ') + "0000000001111111111222222222233333333334444444");
    EXPECT_EQ(lines[7], std::string(34, ' ') + "1234567890123456789012345678901234567890123456");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], std::string(34, ' ') + "4");
    EXPECT_EQ(lines[13], std::string(34, ' ') + "7");
    EXPECT_EQ(lines[14], "1  .T1" + std::string(23, '.') + "(To) " + std::string(1, game->QuestSign(0, 46)));
    EXPECT_EQ(lines[8].size(), 34u + 46);
}

TEST(TextReport, FinalTableWithThousandsOfQuestionsWritesEveryDigitOfTheirNumbers) {
    auto game = PatternGame(2, 1003);
    const Lines lines = Split(Report(*game, InfoType::FinalTable));
    // The last block (the 22nd) holds questions 967 to 1003.
    const std::size_t lastBlock = lines.size() - 3 - 6;  // four digit lines and two teams before the tail
    EXPECT_EQ(lines[lastBlock], std::string(34, ' ') + std::string(33, '0') + "1111");
    EXPECT_EQ(lines[lastBlock + 1], std::string(34, ' ') + std::string(33, '9') + "0000");
    EXPECT_EQ(lines[lastBlock + 2].substr(34, 4), "6667");
    EXPECT_EQ(lines[lastBlock + 3].substr(34 + 33), "0123");
}

TEST(TextReport, TakenQuestionsWrapBeforeTheEightiethColumnAndDropTheLastComma) {
    // Team 1 took every question of 30, team 2 none, team 3 question 2 only.
    auto game = MakeGame({30}, {std::string(30, '+'), std::string(30, '-'), "-+"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    const Lines lines = Split(Report(*game, InfoType::TakenQuestions));
    // Ratings: 3 for every question but question 2 (2).
    const std::string indent(34, ' ');
    EXPECT_EQ(lines[6], "1.T1" + std::string(23, '.') + "(To) - 1(3), 2(2), 3(3), 4(3), 5(3), 6(3), 7(3), ");
    EXPECT_EQ(lines[7], indent + "8(3), 9(3), 10(3), 11(3), 12(3), 13(3), ");
    EXPECT_EQ(lines[8], indent + "14(3), 15(3), 16(3), 17(3), 18(3), 19(3), ");
    EXPECT_EQ(lines[9], indent + "20(3), 21(3), 22(3), 23(3), 24(3), 25(3), ");
    EXPECT_EQ(lines[10], indent + "26(3), 27(3), 28(3), 29(3), 30(3) ");
    EXPECT_EQ(lines[11], "2.T2" + std::string(23, '.') + "(To) - " + Ansi("[нету]"));
    EXPECT_EQ(lines[12], "3.T3" + std::string(23, '.') + "(To) - 2(2) ");
    for (const std::string& line : lines) EXPECT_LT(line.size(), 80u) << line;
}

TEST(TextReport, TakenQuestionsNumberTeamsWithLeadingZerosToTheTeamCountsDigits) {
    auto game = PatternGame(100, 5);
    const Lines lines = Split(Report(*game, InfoType::TakenQuestions));
    EXPECT_EQ(lines[6].substr(0, 4), "001.");
    EXPECT_EQ(lines[6 + 98].substr(0, 4), "099.");
    EXPECT_EQ(lines[6 + 99].substr(0, 4), "100.");
}

TEST(TextReport, QuestionRatingsOf12QuestionsRunDownThreeRows) {
    auto game = PatternGame(4, 12);
    const Lines lines = Split(Report(*game, InfoType::QuestionRatings, RatingType::Zero));
    ASSERT_EQ(lines.size(), 4u + 2 + 1 + 3 + 3);
    EXPECT_EQ(lines[4], Ansi(" Рейтинг вопросов (Нулевой) "));
    EXPECT_EQ(lines[6], "  " + Ansi(" Вопр. | Рейт.  Вопр. | Рейт.  Вопр. | Рейт.  Вопр. | Рейт.  Вопр. | Рейт. "));
    auto cell = [&](int q) {
        std::string text = (q < 10 ? "    " : "   ") + std::to_string(q) + " - " +
                           std::to_string(game->QuestionRating(q - 1));
        return text + std::string(15 - text.size(), ' ');
    };
    EXPECT_EQ(lines[7], "   " + cell(1) + cell(4) + cell(7) + cell(10));
    EXPECT_EQ(lines[9], "   " + cell(3) + cell(6) + cell(9) + cell(12));
}

TEST(TextReport, NoTeamsWritesTheHeadTheHeadingsAndTheTail) {
    auto game = MakeGame({15}, {});
    game->SetGameName(Ansi("Пустая игра"));
    game->CountResult();
    for (auto [type, reference] : {std::pair{InfoType::TourResults, &ReferenceTourResults},
                                   std::pair{InfoType::FinalTable, &ReferenceFinalTable},
                                   std::pair{InfoType::TakenQuestions, &ReferenceTakenQuestions}})
        ExpectReport(Report(*game, type), reference(*game));
    ExpectReport(Report(*game, InfoType::QuestionRatings), ReferenceQuestionRatings(*game, true));
    const Lines finalTable = Split(Report(*game, InfoType::FinalTable));
    EXPECT_EQ(finalTable[6], std::string(34, ' ') + "000000000111111");
    EXPECT_EQ(finalTable[7], std::string(34, ' ') + "123456789012345");
}

TEST(TextReport, ChampionshipInBothModesMatchesItsReference) {
    TempDir dir;
    for (const bool byScore : {true, false}) {
        ChampSettings settings;
        settings.CountByScore = byScore;
        settings.ExlGames = 3;
        const Championship champ = SeasonChampionship(dir.Path().string(), settings);
        ASSERT_GT(champ.ChampTeams().size(), 10u);
        const std::string name = Ansi("Кубок сезона");
        const ReportData data = ChampReportData(champ, name);
        ExpectReport(TextReportBytes(data), ReferenceChampionship(name, champ.ChampTeams(), byScore));
        const Lines lines = Split(TextReportBytes(data));
        EXPECT_EQ(lines[2], std::string(34, ' ') + name);
        // The team of all seven games, once spelled in capitals, is one row named as it was met first.
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& line) { return line.find(Ansi("Знатоки")) == 4; }),
                  1);
        EXPECT_EQ(std::find_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return line.find(Ansi("ЗНАТОКИ")) != std::string::npos; }),
                  lines.end());
    }
}

TEST(TextReport, ChampionshipLineWithALongNameAndAOneLetterTown) {
    ReportData data;
    data.type = InfoType::Championship;
    data.champSettings.CountByScore = true;
    data.champTeams.push_back({Ansi("Очень длинное название команды знатоков"), Ansi("Я"), Ansi("Петров"), "", 123,
                               4567, 12, 10, 0});
    data.champTeams.push_back({Ansi("Кот"), Ansi("Москва"), "", "", 5, 9, 2, 11, 14});
    const Lines lines = Split(TextReportBytes(data));
    EXPECT_EQ(lines[6], "10 ." + Ansi("Очень длинное название команды знатоков(Я)Петров") + std::string(14, '.') +
                            " [12] - 123/4567");
    EXPECT_EQ(lines[7], "11 ." + Ansi("Кот") + std::string(22, '.') + Ansi("(Мо)") + std::string(20, '.') +
                            " [2 ] - 5/9");
    data.champSettings.CountByScore = false;
    EXPECT_EQ(Split(TextReportBytes(data))[7].substr(4 + 25 + 4 + 20), " [2 ] - 14");
    EXPECT_EQ(Split(TextReportBytes(data))[4], Ansi("М   Команда                   Г Капитан              Игры   Очки"));
    EXPECT_EQ(Split(TextReportBytes(data))[2], std::string(40, ' ')) << "an empty name is centred as nothing";
}

TEST(TextReport, CreditLinesAre78CharactersFramedByDashes) {
    for (int i : {0, 1}) {
        const std::string line = OutputCredits::TextLine(i);
        EXPECT_EQ(line.size(), 78u);
        EXPECT_EQ(line.front(), '-');
        EXPECT_EQ(line.back(), '-');
        EXPECT_NE(line.find_first_not_of("- "), std::string::npos);
    }
    EXPECT_NE(OutputCredits::TextLine(0), OutputCredits::TextLine(1));
}

TEST(TextReport, WritesTheBytesAndLeavesAnOldFileWhenTheFileCannotBeCreated) {
    TempDir dir;
    auto game = ShowcaseGame();
    const ReportData data = GameReportData(*game, InfoType::TourResults, RatingType::PlusOne);
    const std::string path = dir.File("report.txt");
    WriteBytes(path, "old");
    ASSERT_TRUE(WriteTextReport(data, path));
    EXPECT_EQ(ReadBytes(path), TextReportBytes(data));

    EXPECT_FALSE(WriteTextReport(data, dir.File("missing/report.txt")));
    EXPECT_FALSE(WriteTextReport(data, dir.Path().string())) << "a folder is no report";

    const std::string locked = dir.File("locked");
    std::filesystem::create_directory(locked);
    WriteBytes(locked + "/report.txt", "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (!CanCreateIn(locked)) {  // not when the tests run as root
        EXPECT_FALSE(WriteTextReport(data, locked + "/report.txt"));
        EXPECT_EQ(ReadBytes(locked + "/report.txt"), "old");
    }
}

}  // namespace
