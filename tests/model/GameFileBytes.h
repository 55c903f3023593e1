// Game files assembled byte by byte from the layout, independently of the
// program's own writer, for reading tests of every version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class FileBytes {
public:
    FileBytes& U8(int value);
    FileBytes& U16(int value);
    // A length byte, the text, zero padding up to `size` bytes in all.
    FileBytes& Fixed(const std::string& text, std::size_t size);
    FileBytes& Counted(const std::string& text);
    FileBytes& Raw(const std::string& bytes);
    const std::string& Data() const { return FData; }

private:
    std::string FData;
};

struct FileTeam {
    std::string name, town, captain, trainer;
    std::string marks;  // '+' taken
    int deposit = 0;
    int group = 0;      // index written in the group section
};

extern const char* const kSignatureV1;
extern const char* const kSignatureV2;
extern const char* const kSignatureV3;
extern const char* const kSignatureV4;
extern const char* const kSignatureV5;
extern const char* const kSignatureV6;

// Versions 1-5: texts given in code page 866.
std::string OldVersionFile(int version, const std::string& gameName, int questions,
                           const std::vector<FileTeam>& teams);

struct Version6Layout {
    std::string gameName = "Game";
    std::string presenter = "Host";
    int questions = 0;
    std::vector<FileTeam> teams;
    bool deposits = true;
    // Absent: the file ends after the deposits.
    std::optional<std::vector<std::pair<int, std::string>>> tours;
    int currentTour = 0;
    std::vector<std::string> groups;
    int currentGroup = 0;
};

std::string Version6File(const Version6Layout& layout);
