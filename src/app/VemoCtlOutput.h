// vemoctl's output files: the text report, the workbook and the PDF of one
// information type, and the standings for publishing, written as the
// program writes them.
#pragma once

#include "output/PublishWriter.h"
#include "output/ReportData.h"

#include <string>

enum class OutputKind { Report, Workbook, Pdf };

// Writes `data` over `path`; `landscape` turns the PDF's pages. Throws
// CtlError when the file cannot be written.
void WriteOutputFile(OutputKind kind, const ReportData& data, const std::string& path, bool landscape);

// The standings in `format` over `path`; `refreshSeconds` above 0 makes the
// page reload itself. Throws CtlError when the file cannot be written.
void WritePublishedFile(const ReportData& data, PublishFormat format, int refreshSeconds, const std::string& path);
