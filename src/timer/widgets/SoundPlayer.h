// The timer's sound player: one wave file at a time, played without
// waiting. The program uses WavePlayer; tests install a recording player
// where the machine has no sound device.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Reads a wave file to play, in place of the one before. A file that
    // cannot be read or is no playable wave file is reported in the general
    // error box; false then, and nothing is left to play.
    virtual bool Open(const QString& path) = 0;
    // Starts the opened file from its beginning and returns at once. A
    // failure of the sound device is reported in the general error box.
    virtual void Play() = 0;
    virtual bool IsPlaying() const = 0;
    virtual void Stop() = 0;
};

using SoundPlayerFactory = std::function<std::unique_ptr<SoundPlayer>()>;

// A new player: a WavePlayer, or what a test has installed.
std::unique_ptr<SoundPlayer> MakeSoundPlayer();
// Installs the players of a test; an empty factory puts the real one back.
void SetSoundPlayerFactory(SoundPlayerFactory factory);
