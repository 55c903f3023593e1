// Writes the timer's two signals that ship with the program, so that a new
// user hears a warning and an end of time without looking for files:
//   make_sounds WARNING.wav END.wav
// The warning is two short high beeps (0.4 s in all), the end one chord of
// a full second. Both are 16-bit mono at 22050 Hz with soft edges, so they
// start and stop without a click.
#include "base/FileIO.h"
#include "timer/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <numbers>

namespace {

constexpr uint32_t kRate = 22050;
constexpr double kEdgeSeconds = 0.01;

struct Tone {
    double seconds;
    std::initializer_list<double> frequencies;  // none: a pause
};

int16_t SampleAt(const Tone& tone, double t) {
    if (tone.frequencies.size() == 0) return 0;
    double value = 0;
    for (double frequency : tone.frequencies) value += std::sin(2 * std::numbers::pi * frequency * t);
    const double edge = std::min({1.0, t / kEdgeSeconds, (tone.seconds - t) / kEdgeSeconds});
    const double loudness = 0.6 / static_cast<double>(tone.frequencies.size());
    return static_cast<int16_t>(std::lround(value * loudness * edge * 32767));
}

WaveSound Signal(std::initializer_list<Tone> tones) {
    WaveSound sound;
    sound.SampleRate = kRate;
    for (const Tone& tone : tones) {
        const auto count = static_cast<long>(std::lround(tone.seconds * kRate));
        for (long i = 0; i < count; ++i) {
            const auto sample = static_cast<uint16_t>(SampleAt(tone, static_cast<double>(i) / kRate));
            sound.Samples += static_cast<char>(sample & 0xFF);
            sound.Samples += static_cast<char>(sample >> 8);
        }
    }
    return sound;
}

bool Write(const char* path, const WaveSound& sound) {
    if (FileIO::ReplaceFile(path, WaveBytes(sound))) return true;
    std::fprintf(stderr, "make_sounds: cannot write %s\n", path);
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WARNING.wav END.wav\n", argv[0]);
        return 2;
    }
    const WaveSound warning = Signal({{0.15, {1320}}, {0.1, {}}, {0.15, {1320}}});
    const WaveSound end = Signal({{1.0, {523.25, 659.25, 784.0}}});
    return Write(argv[1], warning) && Write(argv[2], end) ? 0 : 1;
}
