#include "timer/WaveFile.h"

#include "base/ByteStream.h"

#include <algorithm>
#include <optional>

namespace {

constexpr uint16_t kPcmTag = 1;
constexpr uint16_t kFloatTag = 3;
constexpr uint16_t kExtensibleTag = 0xFFFE;
// Beyond any device the program will meet; a wider header is a damaged one.
constexpr uint16_t kMaxChannels = 8;
constexpr uint32_t kMinRate = 1000;
constexpr uint32_t kMaxRate = 384000;

struct FormatChunk {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
};

FormatChunk ReadFormat(std::string_view chunk) {
    ByteReader reader(chunk);
    FormatChunk format;
    format.tag = reader.U16();
    format.channels = reader.U16();
    format.rate = reader.U32();
    reader.U32();  // bytes per second, derived
    format.blockAlign = reader.U16();
    format.bits = reader.U16();
    // The extensible header names the real format in the first two bytes
    // of its sub-format.
    if (format.tag == kExtensibleTag && reader.Remaining() >= 2 + 2 + 4 + 2) {
        reader.U16();  // extension size
        reader.U16();  // valid bits
        reader.U32();  // channel mask
        format.tag = reader.U16();
    }
    return format;
}

std::optional<SampleFormat> StoredFormat(const FormatChunk& format) {
    if (format.tag == kFloatTag) return format.bits == 32 ? std::optional(SampleFormat::Float) : std::nullopt;
    if (format.tag != kPcmTag) return std::nullopt;
    switch (format.bits) {
        case 8: return SampleFormat::UInt8;
        case 16: return SampleFormat::Int16;
        case 24:
        case 32: return SampleFormat::Int32;
        default: return std::nullopt;
    }
}

bool Playable(const FormatChunk& format) {
    return format.channels >= 1 && format.channels <= kMaxChannels && format.rate >= kMinRate &&
           format.rate <= kMaxRate && format.blockAlign == format.channels * format.bits / 8;
}

// Each 3-byte sample becomes the top three bytes of a 4-byte one.
std::string Widen24(std::string_view samples) {
    std::string wide;
    wide.reserve(samples.size() / 3 * 4);
    for (std::size_t i = 0; i + 3 <= samples.size(); i += 3) {
        wide += '\0';
        wide.append(samples.substr(i, 3));
    }
    return wide;
}

struct Chunks {
    std::optional<std::string_view> format;
    std::optional<std::string_view> data;
};

Chunks FindChunks(ByteReader& reader) {
    Chunks chunks;
    while (reader.Remaining() >= 8) {
        const std::string_view id = reader.Bytes(4);
        const uint32_t size = reader.U32();
        const std::string_view body = reader.Bytes(std::min<std::size_t>(size, reader.Remaining()));
        if (id == "fmt " && !chunks.format) chunks.format = body;
        if (id == "data" && !chunks.data) chunks.data = body;
        if (size % 2 == 1 && !reader.AtEnd()) reader.U8();  // chunks start on even offsets
    }
    return chunks;
}

uint16_t BitsOf(SampleFormat format) {
    switch (format) {
        case SampleFormat::UInt8: return 8;
        case SampleFormat::Int16: return 16;
        default: return 32;
    }
}

}  // namespace

int WaveSound::BytesPerFrame() const { return Channels * BitsOf(Format) / 8; }

double WaveSound::Seconds() const {
    return static_cast<double>(Samples.size() / BytesPerFrame()) / SampleRate;
}

WaveReadResult ParseWave(std::string_view bytes) {
    ByteReader reader(bytes);
    if (bytes.size() < 12 || reader.Bytes(4) != "RIFF") return {WaveProblem::NotWave, {}};
    reader.U32();  // the whole file's length, often wrong in streamed files
    if (reader.Bytes(4) != "WAVE") return {WaveProblem::NotWave, {}};
    const Chunks chunks = FindChunks(reader);
    if (!chunks.format || !chunks.data || chunks.format->size() < 16) return {WaveProblem::NotWave, {}};

    const FormatChunk format = ReadFormat(*chunks.format);
    const std::optional<SampleFormat> stored = StoredFormat(format);
    if (!stored || !Playable(format)) return {WaveProblem::Unsupported, {}};

    WaveReadResult result;
    result.Sound.Channels = format.channels;
    result.Sound.SampleRate = format.rate;
    result.Sound.Format = *stored;
    const std::string_view frames = chunks.data->substr(0, chunks.data->size() / format.blockAlign * format.blockAlign);
    result.Sound.Samples = format.bits == 24 ? Widen24(frames) : std::string(frames);
    return result;
}

std::string WaveBytes(const WaveSound& sound) {
    const uint16_t bits = BitsOf(sound.Format);
    const auto frameBytes = static_cast<uint16_t>(sound.BytesPerFrame());
    ByteWriter writer;
    writer.Bytes("RIFF");
    writer.U32(static_cast<uint32_t>(4 + 8 + 16 + 8 + sound.Samples.size()));
    writer.Bytes("WAVE");
    writer.Bytes("fmt ");
    writer.U32(16);
    writer.U16(sound.Format == SampleFormat::Float ? kFloatTag : kPcmTag);
    writer.U16(sound.Channels);
    writer.U32(sound.SampleRate);
    writer.U32(sound.SampleRate * frameBytes);
    writer.U16(frameBytes);
    writer.U16(bits);
    writer.Bytes("data");
    writer.U32(static_cast<uint32_t>(sound.Samples.size()));
    writer.Bytes(sound.Samples);
    return writer.Data();
}
