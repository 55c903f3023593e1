// The program's own credit lines at the foot of every report, workbook and
// printed page (Windows-1251).
#pragma once

#include <string>

namespace OutputCredits {

// The two closing lines of a text report: 78 characters each, the credit
// centred between runs of "-".
std::string TextLine(int i);
// The two credit lines under a workbook's table.
std::string WorkbookLine(int i);
// The line under the name on every printed page.
std::string PageLine();

}  // namespace OutputCredits
