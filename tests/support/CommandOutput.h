// Runs a shell command (pdfinfo, pdftotext, Debian's python) and hands
// back what it wrote on stdout.
#pragma once

#include <string>

// Throws std::runtime_error when the command cannot run or fails.
std::string CommandOutput(const std::string& command);
