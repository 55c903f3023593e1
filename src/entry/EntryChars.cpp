#include "entry/EntryChars.h"

#include "base/TransCodes.h"

#include <algorithm>
#include <optional>
#include <string>

namespace EntryChars {
namespace {

// The text in Windows-1251, or nothing when a character has no code there
// (the conversion would have put "?" in its place).
std::optional<std::string> ExactAnsi(std::string_view utf8) {
    std::string ansi = TransCodes::Utf8ToAnsi(utf8);
    if (TransCodes::AnsiToUtf8(ansi) != utf8) return std::nullopt;
    return ansi;
}

template <class Accepts>
bool AllAnsiChars(std::string_view utf8, Accepts accepts) {
    const std::optional<std::string> ansi = ExactAnsi(utf8);
    return ansi && std::all_of(ansi->begin(), ansi->end(), accepts);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsFreeTextChar(char ansi) {
    const auto code = static_cast<unsigned char>(ansi);
    return (code >= 1 && code <= 126) || code == 0xA8 || code == 0xB8 || code == 0xB9 || code >= 0xC0;
}

bool AcceptsFreeText(std::string_view utf8) { return AllAnsiChars(utf8, IsFreeTextChar); }

bool AcceptsDigits(std::string_view utf8) { return std::all_of(utf8.begin(), utf8.end(), IsDigit); }

bool AcceptsDateText(std::string_view utf8) {
    return std::all_of(utf8.begin(), utf8.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

}  // namespace EntryChars
