// Plays wave files on the desktop's default sound output (PulseAudio or
// PipeWire through Qt Multimedia). The samples are read by the timer's
// wave reader and pushed to the device as fast as it takes them, so the
// signal starts at once (a device left to pull its data starts only after
// filling its buffer in small steps, a noticeable fraction of a second
// late). A little silence follows the samples: the device drops what it
// still holds when it is stopped, and the silence lets the end of the
// signal sound in full before the player stops.
#pragma once

#include "timer/widgets/SoundPlayer.h"

#include <QAudio>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

class WavePlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    WavePlayer();
    ~WavePlayer() override;

    bool Open(const QString& path) override;
    void Play() override;
    bool IsPlaying() const override;
    void Stop() override;

private:
    void ReleaseSink();
    // Hands the device as much of the rest as it takes now.
    void Feed();
    void SinkStateChanged(QAudio::State state);
    // The general error box: the problem, and the file on a line of its own.
    void Fail(const QString& problem);
    void Fail(const QString& problem, const QString& path);

    QString FPath;
    QAudioFormat FFormat;
    QByteArray FData;  // the samples and the silence after them
    qsizetype FWritten = 0;
    QTimer FFeeder;
    std::unique_ptr<QAudioSink> FSink;
    QIODevice* FDevice = nullptr;
};
