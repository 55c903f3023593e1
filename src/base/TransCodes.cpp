#include "base/TransCodes.h"

#include <array>
#include <cstdint>

namespace TransCodes {
namespace {

// Unicode code points of Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are the
// contiguous letters А..я (U+0410..U+044F). Byte 0x98 is unassigned and is
// kept as the C1 control U+0098 so that every byte survives a round trip.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t CodePointOf(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHighHalf[b - 0x80];
}

int AnsiOf(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == cp) return static_cast<int>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns U+FFFD for
// malformed input (which maps to '?').
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else return 0xFFFD;
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size()) return 0xFFFD;
        const auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    return cp;
}

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFF; ++c) t[c] = static_cast<unsigned char>(c - 32);
    // Letters of the upper half outside А..я: Serbian, Macedonian,
    // Ukrainian, Belarusian and ё.
    const unsigned char pairs[][2] = {
        {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
        {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5},
        {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
    };
    for (const auto& p : pairs) t[p[0]] = p[1];
    return t;
}

constexpr auto kUpper = MakeUpperTable();

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void OemToAnsiText(std::string& text) {
    for (char& ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        unsigned char r = b;
        if (b >= 0x80 && b <= 0xAF) r = b + 0x40;
        else if (b >= 0xE0 && b <= 0xEF) r = b + 0x10;
        else if (b == 0xF0) r = 0xA8;
        else if (b == 0xF1) r = 0xB8;
        else if (b == 0xFC) r = 0xB9;
        ch = static_cast<char>(r);
    }
}

void AnsiToOemText(std::string& text) {
    for (char& ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        unsigned char r = b;
        if (b >= 0xC0 && b <= 0xEF) r = b - 0x40;
        else if (b >= 0xF0) r = b - 0x10;
        else if (b == 0xA8) r = 0xF0;
        else if (b == 0xB8) r = 0xF1;
        else if (b == 0xB9) r = 0xFC;
        ch = static_cast<char>(r);
    }
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() * 2);
    for (char ch : ansi) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) out += static_cast<char>(AnsiOf(DecodeUtf8(utf8, pos)));
    return out;
}

char UpperChar(char c) {
    return static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = UpperChar(ch);
    return out;
}

bool SameTextUpper(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    return true;
}

}  // namespace TransCodes
