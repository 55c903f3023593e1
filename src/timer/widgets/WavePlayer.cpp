#include "timer/widgets/WavePlayer.h"

#include "timer/WaveFile.h"
#include "ui/platform/GeneralError.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QDir>
#include <QFile>
#include <QMediaDevices>

#include <algorithm>

namespace {

constexpr qint64 kTrailingSilenceUs = 250'000;
// Well within what a device holds ahead of what it plays.
constexpr int kFeedMs = 10;

QAudioFormat::SampleFormat DeviceFormat(SampleFormat format) {
    switch (format) {
        case SampleFormat::UInt8: return QAudioFormat::UInt8;
        case SampleFormat::Int16: return QAudioFormat::Int16;
        case SampleFormat::Int32: return QAudioFormat::Int32;
        case SampleFormat::Float: return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

QAudioFormat FormatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setChannelCount(sound.Channels);
    format.setSampleRate(static_cast<int>(sound.SampleRate));
    format.setSampleFormat(DeviceFormat(sound.Format));
    return format;
}

QByteArray SamplesWithSilence(const WaveSound& sound, const QAudioFormat& format) {
    QByteArray data(sound.Samples.data(), static_cast<qsizetype>(sound.Samples.size()));
    // Unsigned 8-bit samples are silent at their middle value.
    const char silence = sound.Format == SampleFormat::UInt8 ? char(0x80) : '\0';
    data.append(format.bytesForDuration(kTrailingSilenceUs), silence);
    return data;
}

QString ReadProblem(WaveProblem problem) {
    return problem == WaveProblem::NotWave
               ? QStringLiteral("Файл не является звуковым файлом WAV:")
               : QStringLiteral("Звуковой файл сжат или записан в формате, который не воспроизводится "
                                "(нужен WAV без сжатия):");
}

}  // namespace

WavePlayer::WavePlayer() {
    FFeeder.setInterval(kFeedMs);
    connect(&FFeeder, &QTimer::timeout, this, &WavePlayer::Feed);
}

WavePlayer::~WavePlayer() {
    if (FSink) FSink->stop();
}

// The sink may be the one whose signal is being handled (a box shown from
// a handler runs the event loop, and a tick can come and play again), so
// it goes only once control is back in the event loop.
void WavePlayer::ReleaseSink() {
    FFeeder.stop();
    FDevice = nullptr;
    if (!FSink) return;
    FSink->disconnect(this);
    FSink->stop();
    FSink.release()->deleteLater();
}

bool WavePlayer::Open(const QString& path) {
    Stop();
    FPath = path;
    FData.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("Не удается открыть звуковой файл:"));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const WaveReadResult read = ParseWave(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (read.Problem != WaveProblem::None) {
        Fail(ReadProblem(read.Problem));
        return false;
    }
    FFormat = FormatOf(read.Sound);
    FData = SamplesWithSilence(read.Sound, FFormat);
    return true;
}

void WavePlayer::Play() {
    ReleaseSink();
    if (FData.isEmpty()) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        Fail(QStringLiteral("Не удается воспроизвести звуковой файл: нет устройства вывода звука."));
        return;
    }
    FSink = std::make_unique<QAudioSink>(device, FFormat);
    connect(FSink.get(), &QAudioSink::stateChanged, this, &WavePlayer::SinkStateChanged);
    FWritten = 0;
    FDevice = FSink->start();
    if (!FDevice || FSink->error() == QAudio::OpenError) {
        Fail(QStringLiteral("Не удается воспроизвести звуковой файл: устройство вывода звука не открывается."));
        return;
    }
    Feed();
    FFeeder.start();
}

bool WavePlayer::IsPlaying() const { return FSink && FSink->state() != QAudio::StoppedState; }

void WavePlayer::Stop() {
    FFeeder.stop();
    if (FSink) FSink->stop();
}

void WavePlayer::Feed() {
    const qsizetype count = std::min<qsizetype>(FSink->bytesFree(), FData.size() - FWritten);
    if (count > 0) FWritten += std::max<qint64>(0, FDevice->write(FData.constData() + FWritten, count));
    if (FWritten == FData.size()) FFeeder.stop();
}

// Idle once everything, the silence included, has been played. A failure
// is reported once the sink's own handling is over.
void WavePlayer::SinkStateChanged(QAudio::State state) {
    if (state == QAudio::IdleState && FWritten == FData.size()) {
        FSink->stop();
        return;
    }
    const QAudio::Error error = FSink->error();
    if (state != QAudio::StoppedState || (error != QAudio::IOError && error != QAudio::FatalError)) return;
    QMetaObject::invokeMethod(
        this, [this, path = FPath] { Fail(QStringLiteral("Ошибка воспроизведения звукового файла:"), path); },
        Qt::QueuedConnection);
}

void WavePlayer::Fail(const QString& problem) { Fail(problem, FPath); }

void WavePlayer::Fail(const QString& problem, const QString& path) {
    ShowGeneralError(problem + u'\r' + QDir::toNativeSeparators(path));
}
