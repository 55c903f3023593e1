#include "settings/PublishSettings.h"

#include "base/FileIO.h"

#include <cstdint>
#include <filesystem>
#include <sstream>

namespace {

// A file this size is not the program's: it holds two short lines.
constexpr std::uintmax_t kLargestFile = 64 * 1024;

const char* const kLivePage = "LivePage";
const char* const kFolder = "Folder";

std::string Escaped(const std::string& value) {
    std::string out;
    for (char ch : value) {
        if (ch == '\\') out += "\\\\";
        else if (ch == '\n') out += "\\n";
        else if (ch == '\r') out += "\\r";
        else out += ch;
    }
    return out;
}

std::string Unescaped(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

void Apply(const std::string& key, const std::string& value, PublishSettings& settings) {
    if (key == kLivePage) settings.LivePage = value == "1";
    else if (key == kFolder) settings.Folder = Unescaped(value);
}

}  // namespace

std::string PublishSettingsPath(const std::string& programDirectory) {
    return (std::filesystem::path(programDirectory) / "VemoPublish.ini").string();
}

PublishSettings LoadPublishSettings(const std::string& path) {
    PublishSettings settings;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile) return settings;
    std::istringstream lines(FileIO::ReadWholeFile(path));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) Apply(line.substr(0, equals), line.substr(equals + 1), settings);
    }
    return settings;
}

bool SavePublishSettings(const std::string& path, const PublishSettings& settings) {
    const std::string text = "# ВеМо: публикация результатов\n" + std::string(kLivePage) + "=" +
                             (settings.LivePage ? "1" : "0") + "\n" + kFolder + "=" + Escaped(settings.Folder) + "\n";
    return FileIO::ReplaceFile(path, text);
}
