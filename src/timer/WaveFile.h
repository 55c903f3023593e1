// Wave files for the timer's signals: the samples of an uncompressed RIFF
// WAVE file in a form a sound device takes, and the bytes of such a file
// for the signals the program ships.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How one sample is stored. 24-bit samples are widened to Int32 on reading,
// since sound devices take 8, 16 and 32 bits.
enum class SampleFormat { UInt8, Int16, Int32, Float };

struct WaveSound {
    uint16_t Channels = 1;
    uint32_t SampleRate = 22050;
    SampleFormat Format = SampleFormat::Int16;
    std::string Samples;  // whole frames, channels interleaved, little-endian

    int BytesPerFrame() const;
    double Seconds() const;
};

enum class WaveProblem {
    None,
    NotWave,      // no RIFF WAVE file, or one without its format or data
    Unsupported,  // a wave file, but compressed or in a layout no device takes
};

struct WaveReadResult {
    WaveProblem Problem = WaveProblem::None;
    WaveSound Sound;
};

// Reads a wave file's bytes. Chunk lengths are never trusted beyond the
// bytes there are: a data chunk cut short gives the whole frames it holds.
WaveReadResult ParseWave(std::string_view bytes);

// The bytes of a wave file holding `sound` (PCM, or IEEE float for Float).
std::string WaveBytes(const WaveSound& sound);
