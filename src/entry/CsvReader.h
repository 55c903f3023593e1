// A CSV file as it comes from a spreadsheet program or a web form: the
// encoding (UTF-8 with or without a byte order mark, UTF-16 with one, or
// Windows-1251) and the separator (comma, semicolon or tab) are found from
// the bytes; fields may be quoted, with separators, line breaks and
// doubled quotes inside.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class CsvEncoding { Utf8, Utf8Bom, Utf16, Windows1251 };

struct CsvRow {
    // The line of the file the row starts on, from 1.
    int line = 0;
    // UTF-8, as the file has them.
    std::vector<std::string> fields;
};

struct CsvTable {
    CsvEncoding encoding = CsvEncoding::Utf8;
    char separator = ';';
    // Every line that holds something; lines of blank fields are left out.
    std::vector<CsvRow> rows;
};

CsvTable ReadCsv(std::string_view bytes);

// Whether `bytes` are well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF).
bool IsUtf8(std::string_view bytes);
