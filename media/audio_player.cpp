#include "media/audio_player.h"

#include "media/song_pcm_decoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <optional>

namespace xc {

namespace {

constexpr int feedIntervalMs = 10;
constexpr int preferredRate = 44100;
constexpr int preferredChannels = 2;

// 16-bit samples in the device's preferred rate and channel count when it refuses CD format.
std::optional<QAudioFormat> playableFormat(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setSampleRate(preferredRate);
    format.setChannelCount(preferredChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (format.isValid() && device.isFormatSupported(format))
        return format;
    return std::nullopt;
}

}  // namespace

struct AudioPlayer::Impl {
    QString path;
    qint64 length = 0;
    bool playing = false;
    qint64 pausedPosition = 0;  // the position while stopped

    // Wall-clock playback.
    QElapsedTimer wallClock;

    // Device playback.
    std::unique_ptr<SongPcmDecoder> decoder;
    std::unique_ptr<QAudioSink> sink;
    QIODevice* sinkInput = nullptr;
    QByteArray pending;
    bool decoderDone = false;
    QTimer feeder;

    void releaseDevice()
    {
        feeder.stop();
        if (sink)
            sink->stop();
        sink.reset();
        sinkInput = nullptr;
        decoder.reset();
        pending.clear();
        decoderDone = false;
    }

    bool startDevice()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        const std::optional<QAudioFormat> format = playableFormat(device);
        if (!format)
            return false;
        Result<std::unique_ptr<SongPcmDecoder>> opened = SongPcmDecoder::open(path, format->sampleRate(), format->channelCount());
        if (!opened.ok())
            return false;
        decoder = std::move(opened.value());
        sink = std::make_unique<QAudioSink>(device, *format);
        sinkInput = sink->start();
        if (!sinkInput || sink->error() != QAudio::NoError) {
            releaseDevice();
            return false;
        }
        feed();
        feeder.start(feedIntervalMs);
        return true;
    }

    qint64 devicePosition() const { return std::min(length, sink->processedUSecs() / 1000); }

    void feed()
    {
        if (!sink || !playing)
            return;
        const qsizetype room = sink->bytesFree();
        if (!decoderDone && pending.size() < room)
            decoderDone = !decoder->decodeInto(pending, room);
        if (room > 0 && !pending.isEmpty()) {
            const qint64 written = sinkInput->write(pending.constData(), std::min(room, pending.size()));
            if (written > 0)
                pending.remove(0, written);
        }
        const bool drained = decoderDone && pending.isEmpty() && sink->bytesFree() >= sink->bufferSize();
        if (drained || sink->error() == QAudio::FatalError)
            finish();
    }

    // The song has played to its end.
    void finish()
    {
        releaseDevice();
        playing = false;
        pausedPosition = length;
    }

    qint64 position()
    {
        if (!playing)
            return pausedPosition;
        if (sink)
            return devicePosition();
        const qint64 at = pausedPosition + wallClock.elapsed();
        if (at >= length) {
            finish();
            return length;
        }
        return at;
    }
};

AudioPlayer::AudioPlayer() : d(std::make_unique<Impl>())
{
    QObject::connect(&d->feeder, &QTimer::timeout, [this] { d->feed(); });
}

AudioPlayer::~AudioPlayer() { close(); }

Status AudioPlayer::open(const QString& path)
{
    close();
    const Result<qint64> length = measureSongLengthMs(path);
    if (!length.ok())
        return Status::failure(length.error());
    d->path = path;
    d->length = length.value();
    return Status::success();
}

void AudioPlayer::close()
{
    d->releaseDevice();
    d->path.clear();
    d->length = 0;
    d->playing = false;
    d->pausedPosition = 0;
}

bool AudioPlayer::isOpen() const { return !d->path.isEmpty(); }
QString AudioPlayer::fileName() const { return d->path; }
qint64 AudioPlayer::lengthMs() const { return d->length; }
bool AudioPlayer::hasAudioDevice() const { return d->sink != nullptr; }

void AudioPlayer::play()
{
    if (!isOpen() || d->playing)
        return;
    if (d->pausedPosition >= d->length) {
        d->releaseDevice();
        d->pausedPosition = 0;
    }
    d->playing = true;
    if (d->sink) {
        d->sink->resume();
        d->feeder.start(feedIntervalMs);
        return;
    }
    // A song is only ever started on the device from its beginning; one stopped midway without
    // a device keeps following the wall clock.
    if (d->pausedPosition == 0 && d->startDevice())
        return;
    d->wallClock.start();
}

void AudioPlayer::stop()
{
    if (!d->playing)
        return;
    d->pausedPosition = d->position();
    if (!d->playing)
        return;  // it had just reached its end
    d->playing = false;
    if (d->sink) {
        d->feeder.stop();
        d->sink->suspend();
    }
}

qint64 AudioPlayer::positionMs()
{
    if (d->sink && d->playing)
        d->feed();
    return d->position();
}

bool AudioPlayer::isStopped()
{
    positionMs();
    return !d->playing;
}

}  // namespace xc
