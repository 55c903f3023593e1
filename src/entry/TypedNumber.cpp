#include "entry/TypedNumber.h"

#include <cstdint>

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string TwoDigits(unsigned value) {
    value %= 100;
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

TypedNumber ReadTypedNumber(std::string_view text, int low, int high) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return {};
    // Past this the number is out of every range a command asks for; the
    // digits are still read to tell a long number from a text.
    constexpr int64_t kBeyondAnyRange = int64_t{1} << 40;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return {};
        if (magnitude < kBeyondAnyRange) magnitude = magnitude * 10 + (c - '0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < low || value > high) return {TypedNumberKind::OutOfRange, 0};
    return {TypedNumberKind::InRange, static_cast<int>(value)};
}

std::string DateFieldText(const TGameDate& date) {
    return TwoDigits(date.Day) + "." + TwoDigits(date.Month) + "." + TwoDigits(date.Year);
}

bool HasDate(const TGameDate& date) { return date.Day != 0 || date.Month != 0 || date.Year != 0; }
