// vemoctl champ: the championship table of game files, as the championship
// window counts it, printed as tab-separated lines or written as the
// program's type 4 report, workbook or PDF.
#pragma once

#include <string>
#include <vector>

// `args`: the options and the game files, in any order.
void RunChamp(const std::vector<std::string>& args);
