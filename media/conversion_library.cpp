#include "media/conversion_library.h"

#include "media/encode_worker.h"
#include "media/frame_writer.h"
#include "media/joined_audio.h"

#include <QElapsedTimer>

namespace xc {

namespace {

// Progress is reported once per second of album (25 frames).
constexpr qint64 kFramesPerReport = 25;

}  // namespace

QString conversionTimeText(double seconds)
{
    const qint64 whole = seconds > 0 ? qint64(seconds + 0.5) : 0;
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600, 2, 10, QLatin1Char('0'))
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString conversionProgressText(const ConversionProgress& progress)
{
    switch (progress.status) {
    case int(ConversionStatus::ProcessingTime):
        return QStringLiteral("Processing time: ") + conversionTimeText(progress.elapsedSeconds);
    case int(ConversionStatus::Preparing):
        return QStringLiteral("Preparing conversion...");
    case int(ConversionStatus::ReducingColors):
        return QStringLiteral("Reducing colors, done frames: %1").arg(progress.frame);
    case int(ConversionStatus::Frame):
        return QStringLiteral("Frame: %1, Sample: %2, Time Left: %3")
            .arg(progress.frame)
            .arg(progress.sample)
            .arg(conversionTimeText(progress.remainingSeconds));
    case int(ConversionStatus::Multiplexing):
        return QStringLiteral("Multiplexing done: %1%").arg(progress.percent);
    default:
        return QStringLiteral("Unrecognized status code");
    }
}

ConversionLibrary::ConversionLibrary() = default;
ConversionLibrary::~ConversionLibrary() = default;

void ConversionLibrary::addToList(ListKind kind, const QString& name)
{
    (kind == ListKind::FrameFile ? m_videoList : m_audioList).append(name);
}

void ConversionLibrary::clearList(ListKind kind)
{
    (kind == ListKind::FrameFile ? m_videoList : m_audioList).clear();
}

const QStringList& ConversionLibrary::list(ListKind kind) const
{
    return kind == ListKind::FrameFile ? m_videoList : m_audioList;
}

qint64 ConversionLibrary::frameCount() const
{
    return m_videoList.size();
}

qint64 ConversionLibrary::sampleCount() const
{
    const int rate = outputSampleRate(m_settings);
    qint64 total = 0;
    for (const QString& song : m_audioList) {
        const auto counted = ffmpeg::songSampleCount(song, rate);
        total += counted.ok() ? counted.value() : 0;
    }
    return total;
}

void ConversionLibrary::setFormatPreset(FormatPreset preset, TvSystem system)
{
    m_settings.preset = preset;
    m_settings.tvSystem = system;
}

void ConversionLibrary::setVideoFormat(int width, int height, int bits)
{
    m_settings.frameFormat = QSize(width, height);
    m_settings.frameBits = bits;
}

void ConversionLibrary::setVideoBitRate(int upperKbps, int lowerKbps, int peakKbps)
{
    m_settings.bitRateLimits = BitRateLimits{upperKbps, lowerKbps, peakKbps};
}

std::optional<QString> ConversionLibrary::entry(ListKind kind, const Source& source, int index) const
{
    if (source)
        return source(index);
    const QStringList& entries = list(kind);
    if (index < entries.size())
        return entries.at(index);
    return std::nullopt;
}

QStringList ConversionLibrary::collectSongs()
{
    QStringList songs;
    for (int index = 0;; ++index) {
        const std::optional<QString> song = entry(ListKind::AudioFile, m_audioSource, index);
        if (!song)
            break;
        if (m_audioFunction)
            m_audioFunction(index, *song);
        songs.append(*song);
    }
    return songs;
}

void ConversionLibrary::report(ConversionStatus status, qint64 frame, qint64 sample, int percent, double elapsed,
                               double remaining)
{
    if (m_progressFunction)
        m_progressFunction(ConversionProgress{int(status), frame, sample, percent, elapsed, remaining});
}

ConversionResult ConversionLibrary::fail(ConversionResult result, const QString& error)
{
    m_errorText = error;
    result.outcome = ConversionOutcome::Failed;
    result.error = error;
    if (m_errorFunction)
        m_errorFunction(error);
    return result;
}

ConversionResult ConversionLibrary::convert()
{
    m_abortRequested.store(false);
    m_errorText.clear();
    QElapsedTimer clock;
    clock.start();
    ConversionResult result;
    report(ConversionStatus::Preparing, 0, 0, 0, 0, 0);

    std::optional<QString> frameName = entry(ListKind::FrameFile, m_videoSource, 0);
    if (!frameName)
        return result;
    const auto plan = planOutput(m_settings);
    if (!plan.ok())
        return fail(result, plan.error());
    const QStringList songs = plan.value().hasAudioStream() ? collectSongs() : QStringList();
    auto opened = openFrameWriter(plan.value(), songs, m_settings.truncateAudioToVideo);
    if (!opened.ok())
        return fail(result, opened.error());
    FrameWriter& writer = *opened.value();

    const qint64 totalFrames = m_videoSource ? 0 : frameCount();
    QString error;
    {
        EncodeWorker worker(writer);
        for (int index = 0; frameName && !m_abortRequested.load(); frameName = entry(ListKind::FrameFile, m_videoSource, ++index)) {
            QImage frame;
            if (m_videoFunction)
                m_videoFunction(index, *frameName, frame);
            if (m_abortRequested.load())
                break;
            if (frame.isNull() && !frame.load(*frameName)) {
                error = QStringLiteral("无法读取画面文件“%1”").arg(*frameName);
                break;
            }
            if (!worker.push(std::move(frame)))
                break;
            ++result.albumFrames;
            if (result.albumFrames % kFramesPerReport == 0) {
                const double elapsed = clock.elapsed() / 1000.0;
                const double remaining =
                    totalFrames > result.albumFrames ? elapsed / result.albumFrames * (totalFrames - result.albumFrames) : 0;
                report(ConversionStatus::Frame, result.albumFrames, writer.samplesWritten(), 0, elapsed, remaining);
            }
        }
        const bool aborted = m_abortRequested.load();
        const Status written = worker.stop(aborted);
        if (error.isEmpty() && !written.ok())
            error = written.error();
        // The output is completed and closed in every case, so a stopped album still plays.
        const Status finished = writer.finish(aborted || !error.isEmpty());
        if (error.isEmpty() && !finished.ok())
            error = finished.error();
        result.albumFrames = worker.framesWritten();
        result.samples = writer.samplesWritten();
        result.outcome = aborted ? ConversionOutcome::Aborted : ConversionOutcome::Completed;
    }
    if (!error.isEmpty())
        return fail(result, error);
    report(ConversionStatus::Frame, result.albumFrames, result.samples, 0, clock.elapsed() / 1000.0, 0);
    report(ConversionStatus::Multiplexing, result.albumFrames, result.samples, 100, clock.elapsed() / 1000.0, 0);
    report(ConversionStatus::ProcessingTime, result.albumFrames, result.samples, 100, clock.elapsed() / 1000.0, 0);
    return result;
}

}  // namespace xc
