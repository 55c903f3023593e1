// What the output dialog takes from the window that opens it: the counted
// data of an information type, and the order by places that a text report
// and a workbook need. The main window hands its game this way, the
// championship window its table, so neither is known to the output's
// windows.
#pragma once

#include "output/ReportData.h"

class OutputSource {
public:
    virtual ~OutputSource() = default;
    // The data of `type` as the opener's last count left it.
    virtual ReportData Data(InfoType type) = 0;
    // Teams in the order of their places: the opener switches sorting by
    // rating off (it stays off) and counts again.
    virtual void OrderByPlaces() = 0;
};
