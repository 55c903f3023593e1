#include "entry/CsvReader.h"

#include "base/TransCodes.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::array<char, 3> kSeparators = {';', '\t', ','};
// The separator is judged by this many lines; a header and a few teams say it.
constexpr std::size_t kSampleLines = 50;

// UTF-16 after its byte order mark; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool littleEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? (b << 8 | a) : (a << 8 | b);
    };
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        TransCodes::AppendUtf8(out, cp);
    }
    return out;
}

std::string DecodedText(std::string_view bytes, CsvEncoding& encoding) {
    if (bytes.substr(0, 3) == kUtf8Bom) {
        encoding = CsvEncoding::Utf8Bom;
        return std::string(bytes.substr(3));
    }
    if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
        encoding = CsvEncoding::Utf16;
        return Utf16ToUtf8(bytes, bytes[0] == '\xFF');
    }
    // Cyrillic in Windows-1251 is never well-formed UTF-8: its letters are
    // all lead bytes, none of them followed by a continuation byte.
    if (IsUtf8(bytes)) {
        encoding = CsvEncoding::Utf8;
        return std::string(bytes);
    }
    encoding = CsvEncoding::Windows1251;
    return TransCodes::AnsiToUtf8(bytes);
}

bool IsBlank(const std::string& field) { return field.find_first_not_of(" \t") == std::string::npos; }

// Splits `text` into rows by `separator`, quotes kept in mind. Stops after
// `maxRows` rows (all when 0).
std::vector<CsvRow> SplitRows(const std::string& text, char separator, std::size_t maxRows = 0) {
    std::vector<CsvRow> rows;
    CsvRow row{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    bool anything = false;  // the row has a character or a separator
    const auto endRow = [&] {
        if (anything && !std::all_of(row.fields.begin(), row.fields.end(), IsBlank)) rows.push_back(std::move(row));
        row = CsvRow{line, {std::string()}};
        anything = false;
    };
    for (std::size_t i = 0; i < text.size() && (maxRows == 0 || rows.size() < maxRows); ++i) {
        const char ch = text[i];
        std::string& field = row.fields.back();
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                if (ch == '\n') ++line;
                field += ch;
            }
            continue;
        }
        if (ch == '"' && IsBlank(field)) {
            field.clear();
            quoted = true;
            anything = true;
        } else if (ch == separator) {
            row.fields.emplace_back();
            anything = true;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
            endRow();
        } else {
            field += ch;
            anything = true;
        }
    }
    if (maxRows == 0 || rows.size() < maxRows) endRow();
    return rows;
}

// The separator that splits the sample's lines into the same number of
// fields, more than one, most often; semicolon, then tab, then comma when
// they do equally well. A file of one column has none of them.
char DetectSeparator(const std::string& text) {
    char best = kSeparators[0];
    std::size_t bestScore = 0;
    for (char separator : kSeparators) {
        std::map<std::size_t, std::size_t> widths;
        for (const CsvRow& row : SplitRows(text, separator, kSampleLines))
            if (row.fields.size() > 1) ++widths[row.fields.size()];
        std::size_t score = 0;
        for (const auto& [width, count] : widths) score = std::max(score, count);
        if (score > bestScore) {
            best = separator;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) extra = 1, cp = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF) extra = 2, cp = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4) extra = 3, cp = lead & 0x07;
        else return false;
        if (i + extra >= bytes.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = cp << 6 | (next & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

CsvTable ReadCsv(std::string_view bytes) {
    CsvTable table;
    const std::string text = DecodedText(bytes, table.encoding);
    table.separator = DetectSeparator(text);
    table.rows = SplitRows(text, table.separator);
    return table;
}
