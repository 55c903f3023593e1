// Plays wave files on the desktop's default sound output (PulseAudio or
// PipeWire through Qt Multimedia). The samples are read by the timer's
// wave reader and fed to the device with some silence after them: the
// device drops what it still holds when it is stopped, and the silence
// lets the end of the signal sound in full before the player stops.
#pragma once

#include "timer/widgets/SoundPlayer.h"

#include <QAudio>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

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
    void SinkStateChanged(QAudio::State state);
    // The general error box: the problem, and the file on a line of its own.
    void Fail(const QString& problem);
    void Fail(const QString& problem, const QString& path);

    QString FPath;
    QAudioFormat FFormat;
    QByteArray FData;  // the samples and the silence after them
    QBuffer FBuffer;
    std::unique_ptr<QAudioSink> FSink;
};
