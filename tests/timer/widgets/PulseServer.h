// A PulseAudio server of a test's own, with one null sink whose monitor
// records what is played, so that playback can be heard by a test on a
// machine without a sound card (as root in CI too). The server lives in a
// temporary folder and is ended with the object.
#pragma once

#include "support/TempDir.h"

#include <QProcess>
#include <QString>

class PulseServer {
public:
    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Empty when the server runs; otherwise why it could not be started.
    const QString& Problem() const { return FProblem; }
    // What PULSE_SERVER must name for a client to play into the sink.
    QString Address() const;

    // Records the sink's monitor into `wavePath` until StopRecording.
    bool StartRecording(const QString& wavePath);
    void StopRecording();

private:
    bool Start();
    bool Ready();
    int Streams(const char* kind);

    TempDir FFolder;
    QProcess FServer;
    QProcess FRecorder;
    QString FProblem;
};

// The seconds of sound in a wave file, silence at both ends left out (sox);
// a negative value when sox cannot read it.
double SoundSeconds(const QString& wavePath);
