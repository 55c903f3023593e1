// The CSV reader on its own: which bytes are UTF-8, which separator a file
// uses when its texts hold the others, and fields as a spreadsheet program
// quotes them.
#include "entry/CsvReader.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Fields(const CsvTable& table) {
    Rows rows;
    for (const CsvRow& row : table.rows) rows.push_back(row.fields);
    return rows;
}

}  // namespace

TEST(CsvReader, TellsUtf8FromOtherBytes) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"Москва", true},
        {"\xCC\xEE\xF1\xEA\xE2\xE0", false},  // "Москва" in Windows-1251
        {"\xB8\xE6", false},                  // "ёж" in Windows-1251
        {"\xF0\x9F\xA6\x89", true},           // an owl, four bytes
        {"\xC0\xAF", false},                  // overlong "/"
        {"\xE0\x80\xAF", false},              // overlong, three bytes
        {"\xED\xA0\x80", false},              // a surrogate
        {"\xF4\x90\x80\x80", false},          // past U+10FFFF
        {"\xD0", false},                      // cut short
        {"\xE2\x84", false},                  // cut short
        {"\x80", false},                      // a continuation alone
    };
    for (const auto& [bytes, utf8] : cases) EXPECT_EQ(IsUtf8(bytes), utf8) << bytes;
}

TEST(CsvReader, TheSeparatorIsTheOneThatSplitsTheLinesAlike) {
    const struct {
        const char* text;
        char separator;
        Rows rows;
    } cases[] = {
        {"А, Б;Москва\nВ;Омск\n", ';', {{"А, Б", "Москва"}, {"В", "Омск"}}},
        {"А; Б,Москва\nВ,Омск\n", ',', {{"А; Б", "Москва"}, {"В", "Омск"}}},
        {"А,Б\tМосква\nВ\tОмск,Тула\n", '\t', {{"А,Б", "Москва"}, {"В", "Омск,Тула"}}},
        {"\"А;Б\",Москва\n\"В;Г\",Омск\n", ',', {{"А;Б", "Москва"}, {"В;Г", "Омск"}}},
        {"Совы\nЩит\n", ';', {{"Совы"}, {"Щит"}}},
        {"Совы", ';', {{"Совы"}}},
    };
    for (const auto& c : cases) {
        const CsvTable table = ReadCsv(c.text);
        EXPECT_EQ(table.separator, c.separator) << c.text;
        EXPECT_EQ(Fields(table), c.rows) << c.text;
    }
}

TEST(CsvReader, RowsKnowTheLineTheyStartOn) {
    const CsvTable table = ReadCsv("a;b\n\n\"c\nd\";e\r\n;\r\nf;g");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].line, 1);
    EXPECT_EQ(table.rows[1].line, 3);
    EXPECT_EQ(table.rows[1].fields, (std::vector<std::string>{"c\nd", "e"}));
    EXPECT_EQ(table.rows[2].line, 6);
}

// A quote never closed takes the rest of the file into its field; nothing
// is lost or read past the end.
TEST(CsvReader, AnUnclosedQuoteEndsWithTheFile) {
    const CsvTable table = ReadCsv("a;\"b\nc;d");
    EXPECT_EQ(Fields(table), (Rows{{"a", "b\nc;d"}}));
}

TEST(CsvReader, Utf16WithAnUnpairedSurrogateKeepsTheRest) {
    const std::string bytes("\xFF\xFE" "A\0;\0\x00\xD8" "B\0", 10);
    const CsvTable table = ReadCsv(bytes);
    EXPECT_EQ(table.encoding, CsvEncoding::Utf16);
    EXPECT_EQ(Fields(table), (Rows{{"A", "\xEF\xBF\xBD" "B"}}));
}
