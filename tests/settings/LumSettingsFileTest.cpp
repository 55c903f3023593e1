// Saving and loading the parameter file: what reaches the disk, what a
// refused load leaves behind, and that a failed save never damages the
// file it was to replace.
#include "settings/CheckedArithmetic.h"
#include "settings/LumSettings.h"
#include "StoreError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr const char* kKey = "Abcd 1234";

std::size_t OpenDescriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string AllBytes() {
    std::string text;
    for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
    return text;
}

class LumSettingsFile : public ::testing::Test {
protected:
    // A saved file of three parameters, and a store holding one other
    // parameter that a refused load must leave alone.
    void SetUp() override {
        TLumSettings writer;
        writer.SetFileName(FPath);
        writer.AddString("TEXT", "value");
        writer.AddInteger("NUMBER", 12);
        writer.AddBoolean("FLAG", true);
        writer.SaveToFile(kKey);
        FSaved = ReadBytes(FPath);
        FStore.SetFileName(FPath);
        FStore.AddInteger("KEPT", 99);
    }

    void ExpectStoreUnchanged() const {
        ASSERT_EQ(FStore.Count(), 1);
        EXPECT_EQ(FStore.GetInteger("KEPT"), 99);
    }

    TempDir FDir;
    std::string FPath = FDir.File("Vemo.cfg");
    std::string FSaved;
    TLumSettings FStore;
};

}  // namespace

TEST_F(LumSettingsFile, LoadReplacesTheListWithTheFileInItsOrder) {
    TLumSettings writer;
    writer.SetFileName(FPath);
    const std::string cyrillicName = "\xcf\xf3\xf2\xfc";  // "Путь"
    writer.AddString(cyrillicName, "C:\\\xc8\xe3\xf0\xfb\\game.qgm");
    writer.AddString("ALL", AllBytes());
    writer.AddString("EMPTY", "");
    writer.AddInteger("LOW", INT_MIN);
    writer.AddInteger("HIGH", INT_MAX);
    writer.AddBoolean("YES", true);
    writer.AddBoolean("NO", false);
    writer.SaveToFile(kKey);

    FStore.LoadFromFile(kKey);
    ASSERT_EQ(FStore.Count(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(FStore.Param(i).Name, writer.Param(i).Name) << i;
    EXPECT_FALSE(FStore.ParamExists("KEPT"));
    EXPECT_EQ(FStore.GetString("\xef\xf3\xf2\xfc"), "C:\\\xc8\xe3\xf0\xfb\\game.qgm");
    EXPECT_EQ(FStore.GetString("ALL"), AllBytes());
    EXPECT_EQ(FStore.GetString("EMPTY"), "");
    EXPECT_EQ(FStore.GetInteger("LOW"), INT_MIN);
    EXPECT_EQ(FStore.GetInteger("HIGH"), INT_MAX);
    EXPECT_TRUE(FStore.GetBoolean("YES"));
    EXPECT_FALSE(FStore.GetBoolean("NO"));
}

TEST_F(LumSettingsFile, AWrongKeyOrAChangedLengthIsRefusedAndChangesNothing) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* key;
    };
    const Case cases[] = {
        {"another key", FSaved, "Abcd 1235"},
        {"a shorter key", FSaved, "Abcd"},
        {"one appended byte", FSaved + '\0', kKey},
        {"one appended letter", FSaved + 'a', kKey},
        {"last byte cut", FSaved.substr(0, FSaved.size() - 1), kKey},
    };
    const std::size_t descriptors = OpenDescriptors();
    for (const Case& c : cases) {
        WriteBytes(FPath, c.bytes);
        const StoreError error = StoreErrorOf([&] { FStore.LoadFromFile(c.key); });
        EXPECT_EQ(error.code, 10) << c.what;
        EXPECT_EQ(error.message, "Password is incorrect") << c.what;
        ExpectStoreUnchanged();
    }
    EXPECT_EQ(OpenDescriptors(), descriptors) << "a refused file stayed open";
}

TEST_F(LumSettingsFile, AFileThatCannotBeOpenedIsCodeNine) {
    const std::string missing = FDir.File("missing.cfg");
    const std::string folder = FDir.File("folder");
    fs::create_directory(folder);
    for (const std::string& path : {missing, folder, std::string()}) {
        FStore.SetFileName(path);
        EXPECT_EQ(StoreErrorOf([&] { FStore.LoadFromFile(kKey); }).code, 9) << path;
        ExpectStoreUnchanged();
    }
}

TEST_F(LumSettingsFile, ADamagedRecordIsAnInputOutputErrorAndChangesNothing) {
    // One byte of the first name length overwritten keeps the file's size,
    // so the check passes and the name then runs past the end.
    std::string damaged = FSaved;
    damaged[7] = static_cast<char>(0x7F);
    WriteBytes(FPath, damaged);
    EXPECT_THROW(FStore.LoadFromFile(kKey), EInOutError);
    ExpectStoreUnchanged();
}

TEST_F(LumSettingsFile, AnEmptyListIsNotSavedAndNoFileIsTouched) {
    TLumSettings empty;
    empty.SetFileName(FDir.File("new.cfg"));
    EXPECT_EQ(StoreErrorOf([&] { empty.SaveToFile(kKey); }).code, 7);
    EXPECT_FALSE(fs::exists(FDir.File("new.cfg")));

    empty.SetFileName(FPath);
    EXPECT_EQ(StoreErrorOf([&] { empty.SaveToFile(kKey); }).code, 7);
    EXPECT_EQ(ReadBytes(FPath), FSaved);
}

TEST_F(LumSettingsFile, AFileThatCannotBeCreatedIsCodeEightAndTheOldOneStays) {
    // The new file is written beside the old one under a longer name; with
    // the longest name a folder can hold, that name cannot exist, while the
    // old file can.
    const std::string longest = FDir.File(std::string(251, 'v') + ".cfg");
    WriteBytes(longest, FSaved);
    const std::string folder = FDir.File("folder");
    fs::create_directory(folder);

    for (const std::string& path : {longest, folder, FDir.File("no/such/folder/Vemo.cfg"), std::string()}) {
        FStore.SetFileName(path);
        EXPECT_EQ(StoreErrorOf([&] { FStore.SaveToFile(kKey); }).code, 8) << path;
    }
    EXPECT_EQ(ReadBytes(longest), FSaved);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(EntriesIn(FDir.Path()), 3u) << "a temporary file was left behind";
}

TEST_F(LumSettingsFile, AFailedSaveLeavesThePreviousFileWhole) {
    TLumSettings tooLarge;
    tooLarge.SetFileName(FPath);
    tooLarge.AddString("V", std::string(70000, 'a'));
    EXPECT_THROW(tooLarge.SaveToFile("VeMo 2007"), EIntOverflow);
    EXPECT_EQ(ReadBytes(FPath), FSaved);
    EXPECT_EQ(EntriesIn(FDir.Path()), 1u);

    FStore.SaveToFile(kKey);
    TLumSettings reader;
    reader.SetFileName(FPath);
    reader.LoadFromFile(kKey);
    EXPECT_EQ(reader.GetInteger("KEPT"), 99);
    EXPECT_EQ(EntriesIn(FDir.Path()), 1u);
}
