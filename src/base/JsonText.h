// JSON strings for the program's JSON outputs (the game dump and the
// published standings).
#pragma once

#include <string>
#include <string_view>

// `utf8` as a JSON string literal, quotes included: the quote, the
// backslash and every control character escaped.
std::string JsonString(std::string_view utf8);
