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
