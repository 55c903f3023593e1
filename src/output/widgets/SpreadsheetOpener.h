// Opens a workbook in the user's spreadsheet program. The real opener asks
// the desktop; tests install one that records the file and answers as told.
#pragma once

#include <QString>

class SpreadsheetOpener {
public:
    virtual ~SpreadsheetOpener() = default;
    // False when nothing on the desktop could open `path`.
    virtual bool Open(const QString& path) = 0;
};

// The opener in use; the desktop's unless a test has installed another.
SpreadsheetOpener& AppSpreadsheetOpener();
// Installs `opener` (tests), which must outlive its use; nullptr puts the
// desktop's back.
void SetAppSpreadsheetOpener(SpreadsheetOpener* opener);
