// The import of a team list from CSV files the tests write: every encoding
// and separator, with a header row and without, quoted fields, empty lines,
// every reason a row is refused, groups created by name, and the teams the
// working copy gets.
#include "base/FileIO.h"
#include "base/TransCodes.h"
#include "entry/TeamImport.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Ansi(const std::string& utf8) { return TransCodes::Utf8ToAnsi(utf8); }

std::string Utf16(const std::string& utf8, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    std::size_t pos = 0;
    // The tests' texts stay in the basic plane, but for one owl.
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) cp = cp << 6 | (static_cast<unsigned char>(utf8[pos + k]) & 0x3F);
        pos += static_cast<std::size_t>(extra) + 1;
        std::vector<char16_t> units;
        if (cp >= 0x10000) units = {static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                                    static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))};
        else units = {static_cast<char16_t>(cp)};
        for (char16_t u : units) {
            const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
            out += littleEndian ? std::string{lo, hi} : std::string{hi, lo};
        }
    }
    return out;
}

enum class Encoding { Utf8, Utf8Bom, Windows1251, Utf16Le, Utf16Be };

std::string Encoded(const std::string& utf8, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return utf8;
        case Encoding::Utf8Bom: return "\xEF\xBB\xBF" + utf8;
        case Encoding::Windows1251: return Ansi(utf8);
        case Encoding::Utf16Le: return Utf16(utf8, true);
        case Encoding::Utf16Be: return Utf16(utf8, false);
    }
    return utf8;
}

// The plan of a file the test writes, read back as the dialog reads it.
ImportPlan PlanOfFile(const std::string& bytes, const TVemoData& game) {
    TempDir dir;
    const std::string path = dir.File("teams.csv");
    WriteBytes(path, bytes);
    return PlanTeamImport(FileIO::ReadWholeFile(path), game);
}

using Texts = std::vector<std::string>;

// line, name, town, captain, coach, group
std::vector<Texts> Accepted(const ImportPlan& plan) {
    std::vector<Texts> rows;
    for (const ImportRow& r : plan.accepted)
        rows.push_back({std::to_string(r.line), r.name, r.town, r.captain, r.coach, r.group});
    return rows;
}

// line, name, town, the reason as the preview says it (UTF-8)
std::vector<Texts> Refused(const ImportPlan& plan) {
    std::vector<Texts> rows;
    for (const RefusedRow& r : plan.refused)
        rows.push_back({std::to_string(r.row.line), r.row.name, r.row.town, TransCodes::AnsiToUtf8(RefusalText(r))});
    return rows;
}

// The registration's game: two teams already typed in, one group.
std::unique_ptr<TVemoData> RegisteredGame() {
    auto game = MakeGame({12}, {"", ""});
    game->TeamByNumber(1)->Name = Ansi("Знатоки");
    game->TeamByNumber(1)->Town = Ansi("Москва");
    game->TeamByNumber(2)->Name = Ansi("Ёжики");
    game->TeamByNumber(2)->Town = Ansi("Тверь");
    const TGroupData first{Ansi("Первая")};
    game->AddGroup(&first);
    return game;
}

}  // namespace

TEST(TeamImport, EveryEncodingAndSeparatorWithAHeaderAndWithout) {
    const std::pair<Encoding, CsvEncoding> encodings[] = {
        {Encoding::Utf8, CsvEncoding::Utf8},       {Encoding::Utf8Bom, CsvEncoding::Utf8Bom},
        {Encoding::Windows1251, CsvEncoding::Windows1251}, {Encoding::Utf16Le, CsvEncoding::Utf16},
        {Encoding::Utf16Be, CsvEncoding::Utf16},
    };
    const std::vector<Texts> teams = {
        {"Совы", "Омск", "Иванов", "Петров", "Высшая"},
        {"Ёлки-палки", "Санкт-Петербург", "Щукина", "", ""},
        {"Team Q", "Уфа", "", "Сидоров", "Высшая"},
    };
    const auto lineOf = [](const Texts& fields, char separator) {
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? std::string(1, separator) : "") + fields[i];
        return line;
    };
    auto game = RegisteredGame();
    for (const auto& [encoding, detected] : encodings)
        for (char separator : {',', ';', '\t'})
            for (bool header : {false, true})
                for (const char* lineEnd : {"\r\n", "\n"}) {
                    SCOPED_TRACE(testing::Message() << "encoding " << static_cast<int>(encoding) << ", separator "
                                                    << int(separator) << ", header " << header);
                    std::string text;
                    if (header) text += lineOf({"Команда", "Город", "Капитан", "Тренер", "Группа"}, separator) + lineEnd;
                    for (const Texts& t : teams) text += lineOf(t, separator) + lineEnd;
                    const ImportPlan plan = PlanOfFile(Encoded(text, encoding), *game);
                    EXPECT_EQ(plan.encoding, detected);
                    EXPECT_EQ(plan.separator, separator);
                    EXPECT_EQ(plan.header, header);
                    const int first = header ? 2 : 1;
                    EXPECT_EQ(Accepted(plan), (std::vector<Texts>{
                                                  {std::to_string(first), "Совы", "Омск", "Иванов", "Петров", "Высшая"},
                                                  {std::to_string(first + 1), "Ёлки-палки", "Санкт-Петербург", "Щукина", "", ""},
                                                  {std::to_string(first + 2), "Team Q", "Уфа", "", "Сидоров", "Высшая"}}));
                    EXPECT_TRUE(plan.refused.empty());
                    EXPECT_EQ(plan.newGroups, Texts{"Высшая"});
                }
}

TEST(TeamImport, HeaderNamesTheColumnsInAnyOrderAndLetterCase) {
    auto game = RegisteredGame();
    const struct {
        const char* text;
        bool header;
        std::vector<Texts> accepted;
    } cases[] = {
        {"TOWN;№;Team;COACH;group;E-mail\nОмск;1;Совы;Петров;Высшая;a@b.ru\n", true,
         {{"2", "Совы", "Омск", "", "Петров", "Высшая"}}},
        {"Город,название команды,капитан\nУфа,Щит,Орлов\n", true, {{"2", "Щит", "Уфа", "Орлов", "", ""}}},
        {"city\tname\ttrainer\tcaptain\nУфа\tЩит\tОрлов\tЛисин\n", true, {{"2", "Щит", "Уфа", "Лисин", "Орлов", ""}}},
        // One known name is not enough: a team may be called so.
        {"Команда;Уфа\nЩит;Омск\n", false, {{"1", "Команда", "Уфа", "", "", ""}, {"2", "Щит", "Омск", "", "", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ImportPlan plan = PlanOfFile(c.text, *game);
        EXPECT_EQ(plan.header, c.header);
        EXPECT_EQ(Accepted(plan), c.accepted);
        EXPECT_TRUE(plan.refused.empty());
    }
}

TEST(TeamImport, QuotedFieldsHoldSeparatorsQuotesAndLineBreaksAndEmptyLinesAreSkipped) {
    const std::string text =
        "Команда;Город;Капитан\r\n"
        "\"Знатоки; и друзья\";Тула;\"Иванов \"\"Шеф\"\"\"\r\n"
        "\r\n"
        ";;\r\n"
        "  \"Длинное\r\nназвание\" ; \"Омск\" ;\r\n"
        "\"\";Уфа;\r\n"
        "Без кавычек \"внутри\";Тверь;\r\n";
    auto game = RegisteredGame();
    const ImportPlan plan = PlanOfFile(text, *game);
    EXPECT_EQ(plan.separator, ';');
    EXPECT_EQ(Accepted(plan), (std::vector<Texts>{{"2", "Знатоки; и друзья", "Тула", "Иванов \"Шеф\"", "", ""},
                                                  {"5", "Длинное название", "Омск", "", "", ""},
                                                  {"8", "Без кавычек \"внутри\"", "Тверь", "", "", ""}}));
    EXPECT_EQ(Refused(plan), (std::vector<Texts>{{"7", "", "Уфа", "нет названия команды"}}));
}

TEST(TeamImport, EveryRefusalSaysWhy) {
    const std::string text =
        "Команда,Город,Капитан,Тренер,Группа\n"
        ",Омск,,,\n"                       // 2: no name
        "Совы,   ,,,\n"                    // 3: no town
        "ЗНАТОКИ,москва,,,\n"              // 4: the game's team 1, letter case aside
        "ёжики,ТВЕРЬ,,,\n"                 // 5: the game's team 2 (Ё and ё)
        "Щит,Уфа,,,\n"                     // 6: accepted
        "щИт,уфА,Другой,,\n"               // 7: the row of line 6
        "Щит,Уфа-2,,,\n"                   // 8: accepted (another town)
        "Совы🦉,Омск,,,\n"                 // 9: the name has no Windows-1251 form
        "Σ-команда,Омск,,,\n"              // 10: neither has Greek
        "Кот,Омск,Ким 金,,\n"             // 11: the captain
        "Пёс,Омск,,Ω,\n"                   // 12: the coach
        "Лис,Омск,,,Лига ★\n"              // 13: the group
        "Совы,Омск,,,\n"                   // 14: accepted: line 3 was refused
        "«Ёж» №1,Омск,—,,\n";              // 15: accepted: all of it is in Windows-1251
    auto game = RegisteredGame();
    const ImportPlan plan = PlanOfFile(text, *game);
    EXPECT_EQ(Refused(plan), (std::vector<Texts>{
                                 {"2", "", "Омск", "нет названия команды"},
                                 {"3", "Совы", "", "нет города"},
                                 {"4", "ЗНАТОКИ", "москва", "такая команда уже есть: №1"},
                                 {"5", "ёжики", "ТВЕРЬ", "такая команда уже есть: №2"},
                                 {"7", "щИт", "уфА", "повтор строки 6"},
                                 {"9", "Совы🦉", "Омск", "название: знаки, которых нет в Windows-1251"},
                                 {"10", "Σ-команда", "Омск", "название: знаки, которых нет в Windows-1251"},
                                 {"11", "Кот", "Омск", "капитан: знаки, которых нет в Windows-1251"},
                                 {"12", "Пёс", "Омск", "тренер: знаки, которых нет в Windows-1251"},
                                 {"13", "Лис", "Омск", "группа: знаки, которых нет в Windows-1251"},
                             }));
    EXPECT_EQ(Accepted(plan), (std::vector<Texts>{{"6", "Щит", "Уфа", "", "", ""},
                                                  {"8", "Щит", "Уфа-2", "", "", ""},
                                                  {"14", "Совы", "Омск", "", "", ""},
                                                  {"15", "«Ёж» №1", "Омск", "—", "", ""}}));
}

// The registration strips the blanks of the teams it holds before it
// compares them; the import compares the same way.
TEST(TeamImport, TheGamesTeamsAreComparedStrippedAsTheRegistrationDoes) {
    auto game = RegisteredGame();
    game->TeamByNumber(1)->Name = Ansi("  Знатоки ");
    const ImportPlan plan = PlanOfFile("знатоки;МОСКВА\n", *game);
    EXPECT_EQ(Refused(plan), (std::vector<Texts>{{"1", "знатоки", "МОСКВА", "такая команда уже есть: №1"}}));
}

TEST(TeamImport, ConfirmedTeamsJoinTheGameWithGroupsCreatedByName) {
    auto game = RegisteredGame();
    const std::string text =
        "Команда;Город;Капитан;Тренер;Группа\n"
        "Совы;Омск;Иванов;Петров;Высшая\n"
        "Щит;Уфа;;;ПЕРВАЯ\n"
        "Кот;Тула;;;высшая\n"
        "Лис;Тверь;;;\n"
        ";Тверь;;;Вторая\n";
    const ImportPlan plan = PlanOfFile(Encoded(text, Encoding::Windows1251), *game);
    EXPECT_EQ(plan.newGroups, Texts{"Высшая"}) << "a refused row creates no group";
    ApplyTeamImport(plan, *game);

    ASSERT_EQ(game->TeamCount(), 6);
    ASSERT_EQ(game->GroupCount(), 2);
    EXPECT_EQ(game->GroupByIndex(0)->Name, Ansi("Первая"));
    EXPECT_EQ(game->GroupByIndex(1)->Name, Ansi("Высшая"));
    const struct {
        int number;
        const char* name;
        const char* town;
        const char* captain;
        const char* coach;
        int group;  // -1: none
    } expected[] = {
        {3, "Совы", "Омск", "Иванов", "Петров", 1},
        {4, "Щит", "Уфа", "", "", 0},
        {5, "Кот", "Тула", "", "", 1},
        {6, "Лис", "Тверь", "", "", -1},
    };
    for (const auto& e : expected) {
        const TTeamData* team = game->TeamByNumber(e.number);
        ASSERT_NE(team, nullptr) << e.number;
        EXPECT_EQ(team->Name, Ansi(e.name));
        EXPECT_EQ(team->Town, Ansi(e.town));
        EXPECT_EQ(team->Captain, Ansi(e.captain));
        EXPECT_EQ(team->Trainer, Ansi(e.coach));
        EXPECT_EQ(team->Group(), e.group < 0 ? nullptr : game->GroupByIndex(e.group)) << e.name;
        EXPECT_EQ(team->MarkCount(), 12);
    }
    EXPECT_EQ(game->GroupTeamCount(game->GroupByIndex(1)), 2);
}

TEST(TeamImport, FilesWithoutTeams) {
    auto game = RegisteredGame();
    for (const char* text : {"", "\r\n\r\n", "Команда;Город\r\n", ";;;\n;\n"}) {
        const ImportPlan plan = PlanOfFile(text, *game);
        EXPECT_TRUE(plan.accepted.empty()) << text;
        EXPECT_TRUE(plan.refused.empty()) << text;
    }
}

// A one-column list has no town for anyone.
TEST(TeamImport, AListOfNamesAloneIsRefusedForTheTowns) {
    auto game = RegisteredGame();
    const ImportPlan plan = PlanOfFile("Совы\nЩит\n", *game);
    EXPECT_EQ(Refused(plan), (std::vector<Texts>{{"1", "Совы", "", "нет города"}, {"2", "Щит", "", "нет города"}}));
}
