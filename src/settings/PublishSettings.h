// The program's own options that Vemo.cfg has no key for, kept in a small
// text file beside it: whether the results are published to a folder as a
// live page, and which folder. One "key=value" a line, UTF-8; a backslash
// escapes a line break or a backslash in a value.
#pragma once

#include <string>

struct PublishSettings {
    bool LivePage = false;
    // As the file system spells it.
    std::string Folder;

    bool operator==(const PublishSettings&) const = default;
};

// The file's path in the program's directory (which ends with a separator).
std::string PublishSettingsPath(const std::string& programDirectory);

// The settings in `path`; the defaults for a missing file, and for what a
// damaged or foreign file does not say. EInOutError when it cannot be read.
PublishSettings LoadPublishSettings(const std::string& path);

// Rewrites `path` whole, atomically. False when the file cannot be created;
// EInOutError when writing fails after that.
bool SavePublishSettings(const std::string& path, const PublishSettings& settings);
