#include "RunVemoctl.h"

#include "support/CommandOutput.h"

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

std::string WorkbookParts(const std::string& path) {
    return CommandOutput("/usr/bin/python3 -c \"import sys, zipfile\n"
                         "z = zipfile.ZipFile(sys.argv[1])\n"
                         "for n in sorted(z.namelist()):\n"
                         "    if n != 'docProps/core.xml': print(n); print(z.read(n).decode())\" '" +
                         path + "'");
}

std::string Field(const std::string& info, const std::string& name) {
    const std::size_t at = info.find(name + ":");
    if (at == std::string::npos) return {};
    const std::size_t start = info.find_first_not_of(' ', at + name.size() + 1);
    return info.substr(start, info.find('\n', start) - start);
}
