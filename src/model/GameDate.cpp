#include "model/GameDate.h"

#include "base/Errors.h"

#include <array>

namespace {

// Integer reading as the program has always done it: leading blanks,
// an optional sign, then decimal digits only.
int TextToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size())
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// The two-digit fields go into unsigned fields: a negative value is out of range.
int FieldValue(std::string_view text) {
    const int value = TextToInt(text);
    if (value < 0) throw ERangeError();
    return value;
}

bool HasDotsOnlyAtSeparators(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i == 2 || i == 5;
        if ((text[i] == '.') != separator) return false;
    }
    return true;
}

}  // namespace

DateTextCheck ParseGameDateText(std::string_view text, TGameDate& date) {
    if (text.size() != 8 || !HasDotsOnlyAtSeparators(text)) return DateTextCheck::BadFormat;
    const int day = FieldValue(text.substr(0, 2));
    const int month = FieldValue(text.substr(3, 2));
    static constexpr std::array<int, 12> kMonthLength = {31, 29, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kMonthLength[month - 1])
        return DateTextCheck::BadValue;
    const int year = FieldValue(text.substr(6, 2));
    date.Day = static_cast<uint8_t>(day);
    date.Month = static_cast<uint8_t>(month);
    date.Year = static_cast<uint16_t>(year < 51 ? 2000 + year : 1900 + year);
    return DateTextCheck::Valid;
}

std::string GameDateToText(const TGameDate& date) {
    auto padded = [](unsigned value, std::size_t width) {
        std::string s = std::to_string(value);
        if (s.size() < width) s.insert(0, width - s.size(), '0');
        return s;
    };
    return padded(date.Day, 2) + "." + padded(date.Month, 2) + "." + padded(date.Year, 4);
}
