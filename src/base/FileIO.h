// Whole-file reading and atomic replacement of a user's file.
#pragma once

#include <string>
#include <string_view>

namespace FileIO {

bool FileExists(const std::string& path);

// The file's bytes; EInOutError when it exists but cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes `data` to a new file beside `path` and renames it over `path` once
// it is complete, so an interrupted or failed write leaves the old file as
// it was. False when the new file cannot be created (nothing changed);
// EInOutError when writing fails after that (the old file is kept).
bool ReplaceFile(const std::string& path, std::string_view data);

}  // namespace FileIO
