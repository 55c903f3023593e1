// vemoctl's errors: each is one line on stderr and the exit code of its kind.
#pragma once

#include <string>

constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

// An error worth one line on stderr; the messages are UTF-8.
struct CtlError {
    int exitCode;
    std::string message;
};

[[noreturn]] inline void Usage(const std::string& message) { throw CtlError{kExitUsage, message}; }

// A game file that cannot be read, as every command reports it.
inline CtlError FileNotFound(const std::string& path) { return {kExitFileError, "файл не найден: " + path}; }
inline CtlError NotAGameFile(const std::string& path) { return {kExitFileError, "это не игровой файл ВеМо: " + path}; }
// `why` is the reader's message in UTF-8.
inline CtlError DamagedFile(const std::string& path, const std::string& why) {
    return {kExitFileError, "файл поврежден: " + path + ": " + why};
}
