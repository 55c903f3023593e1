#include "base/FileIO.h"

#include "base/Errors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VEMO_HAVE_FSYNC 1
#endif

namespace fs = std::filesystem;

namespace FileIO {
namespace {

std::string TemporaryNameBeside(const std::string& path) {
    // Saves run on the window's thread while the recovery journal and the
    // live page write on theirs: one generator per thread, no shared state.
    thread_local std::mt19937_64 random{std::random_device{}()};
    return path + ".tmp" + std::to_string(random() % 1000000000ULL);
}

// Opens a new file that did not exist before (never one of the user's files).
std::FILE* CreateExclusive(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = TemporaryNameBeside(path);
        errno = 0;
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx")) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

bool WriteAndSync(std::FILE* f, std::string_view data) {
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = std::fflush(f) == 0 && ok;
#ifdef VEMO_HAVE_FSYNC
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    return std::fclose(f) == 0 && ok;
}

}  // namespace

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EInOutError("File access denied");
    std::string data;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        data.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw EInOutError("Disk read error");
    return data;
}

bool ReplaceFile(const std::string& path, std::string_view data) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::string tempPath;
    std::FILE* f = CreateExclusive(path, tempPath);
    if (!f) return false;
    if (!WriteAndSync(f, data)) {
        fs::remove(tempPath, ec);
        throw EInOutError("Disk write error");
    }
    const auto oldPermissions = fs::status(path, ec).permissions();
    if (!ec) fs::permissions(tempPath, oldPermissions, ec);
    fs::rename(tempPath, path, ec);
    if (ec) {
        fs::remove(tempPath, ec);
        throw EInOutError("File access denied");
    }
    return true;
}

}  // namespace FileIO
