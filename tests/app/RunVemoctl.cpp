#include "RunVemoctl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace {

std::string Quote(const std::string& arg) { return "'" + arg + "'"; }

}  // namespace

RunResult RunVemoctl(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command = VEMOCTL_PATH;
    for (const std::string& a : args) command += " " + Quote(a);
    const std::string errFile = dir.File("stderr.txt");
    command += " 2>" + Quote(errFile);
    RunResult result{};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadBytes(errFile);
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "output does not end with a line feed";
    return lines;
}
