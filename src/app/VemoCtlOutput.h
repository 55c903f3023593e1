// vemoctl's output files: the text report, the workbook and the PDF of one
// information type, written as the program writes them.
#pragma once

#include "output/ReportData.h"

#include <string>

enum class OutputKind { Report, Workbook, Pdf };

// Writes `data` over `path`; `landscape` turns the PDF's pages. Throws
// CtlError when the file cannot be written.
void WriteOutputFile(OutputKind kind, const ReportData& data, const std::string& path, bool landscape);
