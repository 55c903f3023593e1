// The inputs kept for the readers: the fuzz seeds, and under regressions/
// hostile files (counts and lengths far beyond the file) and whatever input
// fuzzing ever found a fault with. Each goes to both readers, which must
// read it or refuse it with the program's own error; a crash, a foreign
// exception or a file that reads back differently after saving fails the
// test.
#include "ReaderDrivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kFuzzDir = VEMO_FUZZ_DIR;

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(FuzzRegressions, EverySeedIsAValidFileOfItsReader) {
    const auto games = FilesIn(kFuzzDir / "seeds" / "game");
    const auto settings = FilesIn(kFuzzDir / "seeds" / "settings");
    EXPECT_GE(games.size(), 6u) << "a seed of every game file version";
    EXPECT_FALSE(settings.empty());
    for (const fs::path& file : games) EXPECT_EQ(FeedGameReader(Contents(file)), ReaderOutcome::Read) << file;
    for (const fs::path& file : settings) EXPECT_EQ(FeedSettingsReader(Contents(file)), ReaderOutcome::Read) << file;
}

TEST(FuzzRegressions, EveryKeptInputIsReadOrRefusedByBothReaders) {
    std::vector<fs::path> inputs = FilesIn(kFuzzDir / "seeds");
    const auto regressions = FilesIn(kFuzzDir / "regressions");
    inputs.insert(inputs.end(), regressions.begin(), regressions.end());
    for (const fs::path& file : inputs) {
        SCOPED_TRACE(file.string());
        const std::string bytes = Contents(file);
        EXPECT_NO_THROW(FeedGameReader(bytes));
        EXPECT_NO_THROW(FeedSettingsReader(bytes));
    }
}
