#include "media/joined_audio.h"

#include <algorithm>

namespace xc::ffmpeg {

namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerDecodedSample = kChannels * 2;
constexpr qsizetype kDecodeChunk = 8192 * kBytesPerDecodedSample;

QString joinFailure(int code)
{
    return ffmpegError(QStringLiteral("无法连接音乐"), code);
}

}  // namespace

JoinedAudio::JoinedAudio(QStringList songs, int sampleRate, AVSampleFormat sampleFormat, const AudioLeadIn& leadIn)
    : m_leadInPath(leadIn.path), m_leadInLeft(leadIn.albumFrames * sampleRate / 25), m_songs(std::move(songs)),
      m_sampleRate(sampleRate), m_sampleFormat(sampleFormat), m_fifo(av_audio_fifo_alloc(sampleFormat, kChannels, 4096))
{
    if (!m_leadInPath.isEmpty() && m_leadInLeft > 0) {
        // A lead-in file without sound (or unreadable sound) is silence.
        auto opened = SongPcmDecoder::open(m_leadInPath, m_sampleRate, kChannels);
        if (opened.ok())
            m_leadIn = std::move(opened.value());
    }
}

// The next piece of the lead-in, exactly as long as it has left: its file's sound, then silence.
void JoinedAudio::decodeLeadIn()
{
    const qsizetype wanted = std::min<qsizetype>(m_leadInLeft * kBytesPerDecodedSample, kDecodeChunk);
    if (m_leadIn && !m_leadIn->decodeInto(m_decoded, wanted))
        m_leadIn.reset();
    if (m_decoded.size() > wanted)
        m_decoded.truncate(wanted);
    if (m_decoded.size() < wanted)
        m_decoded.append(QByteArray(wanted - m_decoded.size(), '\0'));
    m_leadInLeft -= wanted / kBytesPerDecodedSample;
    if (m_leadInLeft == 0)
        m_leadIn.reset();
}

Result<int> JoinedAudio::read(AVFrame& frame)
{
    if (!m_fifo)
        return Result<int>::failure(joinFailure(AVERROR(ENOMEM)));
    Status filled = fill(frame.nb_samples);
    if (!filled.ok())
        return Result<int>::failure(filled.error());
    const int code = av_frame_make_writable(&frame);
    if (code < 0)
        return Result<int>::failure(joinFailure(code));
    const int available = std::min(av_audio_fifo_size(m_fifo.get()), frame.nb_samples);
    if (available > 0)
        av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void**>(frame.data), available);
    if (available < frame.nb_samples) {
        av_samples_set_silence(frame.data, available, frame.nb_samples - available, kChannels,
                               static_cast<AVSampleFormat>(frame.format));
    }
    return Result<int>::success(available);
}

Status JoinedAudio::fill(int wanted)
{
    while (av_audio_fifo_size(m_fifo.get()) < wanted) {
        if (m_leadInLeft > 0) {
            decodeLeadIn();
            if (Status converted = convertDecoded(); !converted.ok())
                return converted;
            continue;
        }
        if (!m_song) {
            if (m_nextSong >= m_songs.size())
                return Status::success();
            auto song = SongPcmDecoder::open(m_songs.at(m_nextSong++), m_sampleRate, kChannels);
            if (!song.ok())
                return Status::failure(song.error());
            m_song = std::move(song.value());
        }
        const bool more = m_song->decodeInto(m_decoded, kDecodeChunk);
        Status converted = convertDecoded();
        if (!converted.ok())
            return converted;
        if (!more)
            m_song.reset();
    }
    return Status::success();
}

// The decoder speaks 16-bit interleaved; the encoders want their own layouts (planar, float).
Status JoinedAudio::convertDecoded()
{
    const int samples = int(m_decoded.size() / kBytesPerDecodedSample);
    if (samples == 0)
        return Status::success();
    int code = 0;
    if (!m_converter) {
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext* converter = nullptr;
        code = swr_alloc_set_opts2(&converter, &stereo, m_sampleFormat, m_sampleRate, &stereo, AV_SAMPLE_FMT_S16,
                                   m_sampleRate, 0, nullptr);
        m_converter.reset(converter);
        if (code >= 0)
            code = swr_init(converter);
        if (code < 0)
            return Status::failure(joinFailure(code));
    }
    uint8_t** planes = nullptr;
    code = av_samples_alloc_array_and_samples(&planes, nullptr, kChannels, samples, m_sampleFormat, 0);
    if (code < 0)
        return Status::failure(joinFailure(code));
    const uint8_t* input[] = {reinterpret_cast<const uint8_t*>(m_decoded.constData())};
    const int converted = swr_convert(m_converter.get(), planes, samples, input, samples);
    if (converted > 0 && av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void**>(planes), converted) < converted)
        code = AVERROR(ENOMEM);
    av_freep(&planes[0]);
    av_freep(&planes);
    m_decoded.clear();
    if (converted < 0)
        return Status::failure(joinFailure(converted));
    if (code < 0)
        return Status::failure(joinFailure(code));
    return Status::success();
}

Result<qint64> songSampleCount(const QString& path, int sampleRate)
{
    auto song = SongPcmDecoder::open(path, sampleRate, kChannels);
    if (!song.ok())
        return Result<qint64>::failure(song.error());
    qint64 samples = 0;
    QByteArray decoded;
    bool more = true;
    while (more) {
        more = song.value()->decodeInto(decoded, kDecodeChunk);
        samples += decoded.size() / kBytesPerDecodedSample;
        decoded.clear();
    }
    return Result<qint64>::success(samples);
}

}  // namespace xc::ffmpeg
