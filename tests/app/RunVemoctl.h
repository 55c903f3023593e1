// Runs the built vemoctl with arguments and collects what it says.
#pragma once

#include "support/TempDir.h"

#include <string>
#include <vector>

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

// stderr goes to a file in `dir`.
RunResult RunVemoctl(const TempDir& dir, const std::vector<std::string>& args);

// The lines of `text`, which must end with a line feed.
std::vector<std::string> Lines(const std::string& text);

// Every part of a workbook but the one with the time it was written, so two
// workbooks written apart compare equal when their content is.
std::string WorkbookParts(const std::string& path);

// A field of pdfinfo's output ("Pages", "Page size").
std::string Field(const std::string& info, const std::string& name);
