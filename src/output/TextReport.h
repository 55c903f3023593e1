// The text report: a fixed-width listing of 80 columns in Windows-1251 with
// CR LF line ends, one information type per report.
#pragma once

#include "output/ReportData.h"

#include <string>

// The report's bytes.
std::string TextReportBytes(const ReportData& data);

// Writes the report over `fileName` atomically. False when the file cannot
// be created; any old file is then left as it was. EInOutError when the
// writing fails after that (the old file is kept too).
bool WriteTextReport(const ReportData& data, const std::string& fileName);
