// vemoctl's pdf command: every page of a printed report, drawn on A4 at
// 300 dpi. It is the one command that draws, so it is linked with the page
// renderer (Qt Gui, offscreen) only where the windows are built.
#pragma once

#include "output/PagePagination.h"
#include "output/ReportData.h"

#include <string>

// Thrown by a vemoctl built without the windows.
struct PdfUnavailable {};

// Writes the pages of `data` over `path` atomically; a report without pages
// gets its empty first page. False when the file cannot be created;
// EInOutError when writing fails after that.
bool WritePdfReport(const ReportData& data, PageOrientation orientation, const std::string& path);
