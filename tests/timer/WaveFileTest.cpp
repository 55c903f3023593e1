// The wave reader on files built byte by byte: every sample layout a sound
// device takes, the headers other programs write, and damaged or foreign
// files, which must be told apart and never read beyond their end.
#include "timer/WaveFile.h"

#include "base/ByteStream.h"

#include <gtest/gtest.h>

namespace {

struct Format {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint16_t blockAlign = 0;  // 0: channels * bits / 8
    uint16_t extensibleTag = 0;  // not 0: a WAVE_FORMAT_EXTENSIBLE header naming this format
};

std::string FormatChunk(const Format& f) {
    ByteWriter w;
    const uint16_t align = f.blockAlign ? f.blockAlign : static_cast<uint16_t>(f.channels * f.bits / 8);
    w.U16(f.extensibleTag ? 0xFFFE : f.tag);
    w.U16(f.channels);
    w.U32(f.rate);
    w.U32(f.rate * align);
    w.U16(align);
    w.U16(f.bits);
    if (f.extensibleTag) {
        w.U16(22);
        w.U16(f.bits);
        w.U32(0x4);
        w.U16(f.extensibleTag);
        w.Bytes(std::string(14, '\x10'));
    }
    return w.Data();
}

std::string Chunk(std::string_view id, std::string_view body, uint32_t declared) {
    ByteWriter w;
    w.Bytes(id);
    w.U32(declared);
    w.Bytes(body);
    if (body.size() % 2 == 1) w.U8(0);
    return w.Data();
}

std::string Chunk(std::string_view id, std::string_view body) {
    return Chunk(id, body, static_cast<uint32_t>(body.size()));
}

std::string Riff(const std::string& chunks, std::string_view form = "WAVE") {
    ByteWriter w;
    w.Bytes("RIFF");
    w.U32(static_cast<uint32_t>(4 + chunks.size()));
    w.Bytes(form);
    w.Bytes(chunks);
    return w.Data();
}

std::string Wave(const Format& f, std::string_view samples) {
    return Riff(Chunk("fmt ", FormatChunk(f)) + Chunk("data", samples));
}

}  // namespace

TEST(WaveFile, ReadsEveryLayoutADeviceTakes) {
    struct Case {
        const char* name;
        Format format;
        std::string samples;
        SampleFormat expectedFormat;
        std::string expectedSamples;
    };
    const std::string four = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C";
    const std::vector<Case> cases = {
        {"8-bit unsigned", {1, 1, 8000, 8}, "\x80\x7F\x81", SampleFormat::UInt8, "\x80\x7F\x81"},
        {"16-bit stereo", {1, 2, 44100, 16}, four, SampleFormat::Int16, four},
        {"24-bit widened to 32", {1, 1, 48000, 24}, "\x01\x02\x03\x04\x05\x06", SampleFormat::Int32,
         std::string("\0\x01\x02\x03\0\x04\x05\x06", 8)},
        {"32-bit integer", {1, 1, 48000, 32}, four, SampleFormat::Int32, four},
        {"32-bit float", {3, 1, 48000, 32}, four, SampleFormat::Float, four},
        {"extensible header naming PCM", {1, 2, 48000, 16, 0, 1}, four, SampleFormat::Int16, four},
        {"extensible header naming float", {3, 1, 48000, 32, 0, 3}, four, SampleFormat::Float, four},
        {"a partial last frame is dropped", {1, 2, 22050, 16}, four + "\x0D\x0E", SampleFormat::Int16, four},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WaveReadResult read = ParseWave(Wave(c.format, c.samples));
        ASSERT_EQ(read.Problem, WaveProblem::None);
        EXPECT_EQ(read.Sound.Channels, c.format.channels);
        EXPECT_EQ(read.Sound.SampleRate, c.format.rate);
        EXPECT_EQ(read.Sound.Format, c.expectedFormat);
        EXPECT_EQ(read.Sound.Samples, c.expectedSamples);
    }
}

TEST(WaveFile, FindsItsChunksAmongOthersAndTrustsNoLength) {
    const Format mono16;
    const std::string samples("\x10\x00\x20\x00\x30\x00", 6);
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a list chunk of odd length before the samples",
         Riff(Chunk("fmt ", FormatChunk(mono16)) + Chunk("LIST", "INFOabc") + Chunk("data", samples)), samples},
        {"the data before the format", Riff(Chunk("data", samples) + Chunk("fmt ", FormatChunk(mono16))), samples},
        {"a data chunk longer than the file, as streaming writers leave it",
         Riff(Chunk("fmt ", FormatChunk(mono16)) + Chunk("data", samples, 0xFFFFFFFF)), samples},
        {"a file cut inside a frame", Wave(mono16, samples).substr(0, Wave(mono16, samples).size() - 1),
         samples.substr(0, 4)},
        {"an empty data chunk", Wave(mono16, ""), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WaveReadResult read = ParseWave(c.bytes);
        ASSERT_EQ(read.Problem, WaveProblem::None);
        EXPECT_EQ(read.Sound.Samples, c.expected);
    }
}

TEST(WaveFile, TellsForeignAndUnplayableFilesApart) {
    const Format mono16;
    const std::string samples(8, '\0');
    struct Case {
        const char* name;
        std::string bytes;
        WaveProblem expected;
    };
    const std::vector<Case> cases = {
        {"a text file", "это не звук, а текст", WaveProblem::NotWave},
        {"an empty file", "", WaveProblem::NotWave},
        {"a RIFF file of another kind", Riff(Chunk("fmt ", FormatChunk(mono16)) + Chunk("data", samples), "AVI "),
         WaveProblem::NotWave},
        {"no format chunk", Riff(Chunk("data", samples)), WaveProblem::NotWave},
        {"no data chunk", Riff(Chunk("fmt ", FormatChunk(mono16))), WaveProblem::NotWave},
        {"a format chunk too short", Riff(Chunk("fmt ", FormatChunk(mono16).substr(0, 12)) + Chunk("data", samples)),
         WaveProblem::NotWave},
        {"compressed (ADPCM)", Wave({2, 1, 22050, 4, 256}, samples), WaveProblem::Unsupported},
        {"12-bit samples", Wave({1, 1, 22050, 12, 2}, samples), WaveProblem::Unsupported},
        {"64-bit float", Wave({3, 1, 22050, 64}, samples), WaveProblem::Unsupported},
        {"a frame size that does not match", Wave({1, 2, 22050, 16, 2}, samples), WaveProblem::Unsupported},
        {"no channels", Wave({1, 0, 22050, 16, 2}, samples), WaveProblem::Unsupported},
        {"a sample rate of 0", Wave({1, 1, 0, 16}, samples), WaveProblem::Unsupported},
        {"an extensible header naming a compressed format", Wave({1, 1, 22050, 16, 0, 2}, samples),
         WaveProblem::Unsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseWave(c.bytes).Problem, c.expected);
    }
}

TEST(WaveFile, EveryPrefixOfAFileIsReadOrRefusedWithoutReadingBeyondIt) {
    const std::string whole = Riff(Chunk("fmt ", FormatChunk({1, 2, 22050, 24})) + Chunk("LIST", "INFOabc") +
                                   Chunk("data", std::string(60, '\x11')));
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        // A copy of exactly `length` bytes, so the sanitizers see a read past it.
        const std::string prefix = whole.substr(0, length);
        const WaveReadResult read = ParseWave(prefix);
        if (read.Problem == WaveProblem::None) {
            EXPECT_EQ(read.Sound.Samples.size() % 8, 0u) << length;
        }
    }
    EXPECT_EQ(ParseWave(whole).Sound.Samples.size(), 60u / 6 * 8);
}

TEST(WaveFile, WrittenSoundsReadBackAsTheyWere) {
    const std::vector<WaveSound> sounds = {
        {1, 22050, SampleFormat::Int16, std::string("\x01\x02\x03\x04", 4)},
        {2, 8000, SampleFormat::UInt8, "\x80\x81\x82\x83"},
        {1, 48000, SampleFormat::Float, std::string("\0\0\x80\x3F", 4)},
        {2, 44100, SampleFormat::Int32, std::string(16, '\x05')},
    };
    for (const WaveSound& sound : sounds) {
        const WaveReadResult read = ParseWave(WaveBytes(sound));
        ASSERT_EQ(read.Problem, WaveProblem::None);
        EXPECT_EQ(read.Sound.Channels, sound.Channels);
        EXPECT_EQ(read.Sound.SampleRate, sound.SampleRate);
        EXPECT_EQ(read.Sound.Format, sound.Format);
        EXPECT_EQ(read.Sound.Samples, sound.Samples);
    }
    const WaveSound second{1, 22050, SampleFormat::Int16, std::string(44100, '\0')};
    EXPECT_DOUBLE_EQ(second.Seconds(), 1.0);
}
