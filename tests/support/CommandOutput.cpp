#include "support/CommandOutput.h"

#include <cstdio>
#include <stdexcept>

std::string CommandOutput(const std::string& command) {
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string output;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
    if (pclose(pipe) != 0) throw std::runtime_error("failed: " + command);
    return output;
}
