// What the fields of the entry windows take from the keyboard. Free-text
// fields take the ASCII characters and the Cyrillic of Windows-1251 (the
// characters the game file and the reports can hold and sort); number
// fields take digits only.
#pragma once

#include <string_view>

namespace EntryChars {

// Codes 1 to 126, and Ё (0xA8), ё (0xB8), № (0xB9) and А to я (0xC0 to 0xFF).
bool IsFreeTextChar(char ansi);

// Whether every character of a typed or pasted UTF-8 text may be entered.
// A character Windows-1251 cannot hold is refused.
bool AcceptsFreeText(std::string_view utf8);
bool AcceptsDigits(std::string_view utf8);
// Digits and ".", for the "дд.мм.гг" date.
bool AcceptsDateText(std::string_view utf8);

}  // namespace EntryChars
