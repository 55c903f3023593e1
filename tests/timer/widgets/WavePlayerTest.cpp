// The wave player's failures, each in the general error box with the file
// named: a file that cannot be read, one that is no wave file, one no
// device takes, and a machine whose sound server cannot be reached. None
// needs a sound device; real playback is PlaybackTest's.
#include "timer/widgets/WavePlayer.h"

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestApplication.h"
#include "timer/WaveFile.h"
#include "ui/platform/ProgramTitle.h"

#include <gtest/gtest.h>

namespace {

class WavePlayerTest : public ::testing::Test {
protected:
    WavePlayerTest() { TestApplication(); }

    QString Write(const std::string& name, const std::string& bytes) const {
        WriteBytes(folder.File(name), bytes);
        return QString::fromStdString(folder.File(name));
    }

    TempDir folder;
    ScriptedDialogs dialogs;
};

const std::string kTenthOfASecond = WaveBytes({1, 22050, SampleFormat::Int16, std::string(4410, '\0')});

}  // namespace

TEST_F(WavePlayerTest, AFileThatCannotBePlayedIsReportedWithItsName) {
    struct Case {
        const char* name;
        std::string file;  // empty: the file is not there
        QString problem;
    };
    const std::vector<Case> cases = {
        {"missing.wav", "", QStringLiteral("Не удается открыть звуковой файл:")},
        {"text.wav", "просто текст", QStringLiteral("Файл не является звуковым файлом WAV:")},
        {"adpcm.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x02\0\x01\0\x22\x56\0\0\0\0\0\0\0\x01\x04\0data\0\0\0\0", 44),
         QStringLiteral("Звуковой файл сжат или записан в формате, который не воспроизводится (нужен WAV без сжатия):")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.file.empty() ? QString::fromStdString(folder.File(c.name)) : Write(c.name, c.file);
        dialogs.ExpectError(c.problem + u'\r' + path, kProgramTitle);
        WavePlayer player;
        EXPECT_FALSE(player.Open(path));
        player.Play();  // nothing to play: no second box
        EXPECT_FALSE(player.IsPlaying());
    }
}

TEST_F(WavePlayerTest, AReadableFileOpensWithoutABox) {
    WavePlayer player;
    EXPECT_TRUE(player.Open(Write("short.wav", kTenthOfASecond)));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// Qt reaches the sound server once per process: this case runs where the
// server named does not exist, as on a machine without sound.
TEST_F(WavePlayerTest, WithoutASoundServerPlayingIsReported) {
    ScopedEnvironment noServer("PULSE_SERVER", "unix:/nonexistent/vemo-no-sound");
    const QString path = Write("short.wav", kTenthOfASecond);
    WavePlayer player;
    ASSERT_TRUE(player.Open(path));
    dialogs.ExpectError(QStringLiteral("Не удается воспроизвести звуковой файл: нет устройства вывода звука.\r") + path,
                        kProgramTitle);
    player.Play();
    EXPECT_FALSE(player.IsPlaying());
}
