// The live page's settings file beside Vemo.cfg: folders of any spelling
// come back as written, and a missing, damaged or foreign file leaves the
// page off rather than failing the start.
#include "settings/PublishSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

TEST(PublishSettings, EveryFolderComesBackAsWritten) {
    TempDir dir;
    const std::string path = PublishSettingsPath(dir.Path().string() + "/");
    const PublishSettings cases[] = {
        {true, "/srv/www/results"},
        {false, "/srv/www/results"},
        {true, "/home/судья/Публикация итогов"},
        {true, R"(C:\Игры\итоги\)"},
        {true, "/tmp/a=b;c#d"},
        {true, "/tmp/line\nbreak\rand \\n text"},
        {true, ""},
        {false, ""},
    };
    for (const PublishSettings& settings : cases) {
        ASSERT_TRUE(SavePublishSettings(path, settings));
        EXPECT_EQ(LoadPublishSettings(path), settings) << settings.Folder;
    }
}

TEST(PublishSettings, WhatAFileDoesNotSayIsTheDefault) {
    TempDir dir;
    const std::string path = dir.File("VemoPublish.ini");
    const struct {
        std::string bytes;
        PublishSettings expected;
    } cases[] = {
        {"LivePage=1\nFolder=/srv/a\n", {true, "/srv/a"}},
        {"LivePage=1\r\nFolder=/srv/a\r\n", {true, "/srv/a"}},
        {"Folder=/srv/a\n", {false, "/srv/a"}},
        {"LivePage=yes\nFolder=/srv/a\n", {false, "/srv/a"}},
        {"livepage=1\nfolder=/srv/a\n", {}},
        {"LivePage 1\nFolder\n", {}},
        {"Colour=red\nLivePage=1\n", {true, ""}},
        {"Folder=/srv/a\\", {false, "/srv/a\\"}},
        {std::string("\0\xFF\x01=\n", 5), {}},
        {"", {}},
        // Beyond any file the program writes.
        {"LivePage=1\nFolder=/srv/a\n" + std::string(70 * 1024, '#'), {}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.bytes);
        EXPECT_EQ(LoadPublishSettings(path), c.expected) << c.bytes.substr(0, 40);
    }
    EXPECT_EQ(LoadPublishSettings(dir.File("missing.ini")), PublishSettings{});
}

TEST(PublishSettings, AFolderWhereTheFileShouldBeIsNotSaved) {
    TempDir dir;
    EXPECT_FALSE(SavePublishSettings(dir.Path().string(), {true, "/srv/a"}));
    EXPECT_FALSE(SavePublishSettings(dir.File("no-such-folder/VemoPublish.ini"), {true, "/srv/a"}));
}
