// Sound players for machines without a sound device: they play nothing and
// write down what they were asked to do. ScopedRecordingPlayers makes every
// player the program creates one of them, writing into one log.
#pragma once

#include "timer/widgets/SoundPlayer.h"

#include <QStringList>

struct SoundLog {
    QStringList played;  // the file of each Play, in order
    int stops = 0;       // Stop calls while playing
    bool playing = false;
};

class RecordingSoundPlayer final : public SoundPlayer {
public:
    explicit RecordingSoundPlayer(SoundLog& log) : FLog(log) {}

    bool Open(const QString& path) override {
        FPath = path;
        return true;
    }
    void Play() override {
        FLog.played.append(FPath);
        FLog.playing = true;
    }
    bool IsPlaying() const override { return FLog.playing; }
    void Stop() override {
        if (FLog.playing) ++FLog.stops;
        FLog.playing = false;
    }

private:
    SoundLog& FLog;
    QString FPath;
};

class ScopedRecordingPlayers {
public:
    ScopedRecordingPlayers() {
        SetSoundPlayerFactory([this] { return std::make_unique<RecordingSoundPlayer>(log); });
    }
    ~ScopedRecordingPlayers() { SetSoundPlayerFactory({}); }
    ScopedRecordingPlayers(const ScopedRecordingPlayers&) = delete;
    ScopedRecordingPlayers& operator=(const ScopedRecordingPlayers&) = delete;

    SoundLog log;
};
