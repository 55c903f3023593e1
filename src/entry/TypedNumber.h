// The numbers a user types: the value prompt's text read as a whole number
// within the range a command allows, and the date field's "дд.мм.гг".
#pragma once

#include "model/GameDate.h"

#include <string>
#include <string_view>

enum class TypedNumberKind {
    NotWhole,    // not a whole number at all: "", "abc", "1.5", "1 2"
    OutOfRange,  // a whole number outside the range
    InRange,
};

struct TypedNumber {
    TypedNumberKind kind = TypedNumberKind::NotWhole;
    int value = 0;  // when in range
};

// Blanks around the number and a sign before it are allowed.
TypedNumber ReadTypedNumber(std::string_view text, int low, int high);

// A game's date as the registration shows it: day, month and the year's
// last two digits, each with two digits ("05.03.07").
std::string DateFieldText(const TGameDate& date);
// A new game has none: day, month and year are all 0.
bool HasDate(const TGameDate& date);
