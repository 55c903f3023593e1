// Code page conversions and case folding of Windows-1251 texts.
// The core keeps every text in Windows-1251, one byte per character; the
// older game files hold code page 866 and the windows speak UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace TransCodes {

// Code page 866 to Windows-1251, in place (Cyrillic letters, Ё, ё and the
// numero sign; pseudo-graphics are left as they are).
void OemToAnsiText(std::string& text);
// The exact inverse of OemToAnsiText on the same characters.
void AnsiToOemText(std::string& text);

// One code point as UTF-8, four bytes at most.
void AppendUtf8(std::string& out, char32_t cp);
std::string AnsiToUtf8(std::string_view ansi);
// Characters that Windows-1251 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

char UpperChar(char c);
// Upper-casing of every letter of Windows-1251, Cyrillic included; used by
// every case-insensitive comparison of the program.
std::string UpperCase(std::string_view text);
bool SameTextUpper(std::string_view a, std::string_view b);

}  // namespace TransCodes
