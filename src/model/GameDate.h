// The date of a game and the rules for the "дд.мм.гг" text a user types.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TGameDate {
    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;

    friend bool operator==(const TGameDate&, const TGameDate&) = default;
};

// Which of the two date messages a typed text deserves.
enum class DateTextCheck {
    Valid,
    BadFormat,  // not "дд.мм.гг"
    BadValue,   // a month or day that does not exist
};

// Checks a "дд.мм.гг" text and, when it is valid, stores it in date.
// Characters that are not an integer raise EConvertError, a negative
// number ERangeError; in every other failure the date is left unchanged.
DateTextCheck ParseGameDateText(std::string_view text, TGameDate& date);

// DD.MM.YYYY with zero padding; longer numbers are written whole.
std::string GameDateToText(const TGameDate& date);
