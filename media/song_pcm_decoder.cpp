#include "media/song_pcm_decoder.h"

#include "media/ffmpeg_utils.h"


extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
}

namespace xc {

namespace {

using ffmpeg::CodecContextPtr;
using ffmpeg::FramePtr;
using ffmpeg::PacketPtr;
using ffmpeg::ResampleContextPtr;

QString unreadableMessage(const QString& path)
{
    return QStringLiteral("无法打开或测量音乐文件：%1").arg(path);
}

using OpenedSong = ffmpeg::OpenedInput;

Result<OpenedSong> openSong(const QString& path)
{
    std::optional<OpenedSong> song = ffmpeg::openInputStream(path, AVMEDIA_TYPE_AUDIO);
    if (!song)
        return Result<OpenedSong>::failure(unreadableMessage(path));
    return Result<OpenedSong>::success(std::move(*song));
}

qint64 toMs(int64_t value, AVRational timeBase)
{
    return av_rescale_q_rnd(value, timeBase, AVRational{1, 1000}, AV_ROUND_DOWN);
}

// Sums the durations of all audio packets from the current read position; each MP3 frame carries
// a fixed number of samples, so the sum is exact where a bit-rate estimate is not.
qint64 scannedLengthMs(AVFormatContext* format, int stream)
{
    const AVStream* audio = format->streams[stream];
    const AVCodecParameters* codec = audio->codecpar;
    const int64_t frameSizeInTimeBase =
        codec->frame_size > 0 && codec->sample_rate > 0
            ? av_rescale_q(codec->frame_size, AVRational{1, codec->sample_rate}, audio->time_base)
            : 0;
    PacketPtr packet(av_packet_alloc());
    int64_t total = 0;
    while (packet && av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == stream)
            total += packet->duration > 0 ? packet->duration : frameSizeInTimeBase;
        av_packet_unref(packet.get());
    }
    return toMs(total, audio->time_base);
}

}  // namespace

Result<qint64> measureSongLengthMs(const QString& path)
{
    Result<OpenedSong> song = openSong(path);
    if (!song.ok())
        return Result<qint64>::failure(song.error());
    AVFormatContext* format = song.value().format.get();
    const AVStream* audio = format->streams[song.value().stream];

    qint64 length = 0;
    if (format->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE)
        length = scannedLengthMs(format, song.value().stream);
    else if (audio->duration != AV_NOPTS_VALUE && audio->duration > 0)
        length = toMs(audio->duration, audio->time_base);
    else if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        length = toMs(format->duration, AVRational{1, AV_TIME_BASE});
    else
        length = scannedLengthMs(format, song.value().stream);

    if (length <= 0)
        return Result<qint64>::failure(unreadableMessage(path));
    return Result<qint64>::success(length);
}

struct SongPcmDecoder::State {
    OpenedSong song;
    CodecContextPtr codec;
    ResampleContextPtr resampler;
    PacketPtr packet{av_packet_alloc()};
    FramePtr frame{av_frame_alloc()};
    int outChannels = 2;
    bool inputDone = false;
    bool ended = false;

    void appendConverted(QByteArray& pcm, const uint8_t** input, int inputSamples)
    {
        const int capacity = swr_get_out_samples(resampler.get(), inputSamples);
        if (capacity <= 0)
            return;
        const qsizetype start = pcm.size();
        const int bytesPerSample = 2 * outChannels;
        pcm.resize(start + qsizetype(capacity) * bytesPerSample);
        uint8_t* output = reinterpret_cast<uint8_t*>(pcm.data() + start);
        const int converted = swr_convert(resampler.get(), &output, capacity, input, inputSamples);
        pcm.resize(start + qsizetype(std::max(converted, 0)) * bytesPerSample);
    }
};

SongPcmDecoder::SongPcmDecoder(std::unique_ptr<State> state) : d(std::move(state)) {}
SongPcmDecoder::~SongPcmDecoder() = default;

Result<std::unique_ptr<SongPcmDecoder>> SongPcmDecoder::open(const QString& path, int sampleRate, int channels)
{
    using Out = Result<std::unique_ptr<SongPcmDecoder>>;
    Result<OpenedSong> song = openSong(path);
    if (!song.ok())
        return Out::failure(song.error());
    auto state = std::make_unique<State>();
    state->song = std::move(song.value());
    state->outChannels = channels;

    const AVCodecParameters* parameters = state->song.format->streams[state->song.stream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec || !state->packet || !state->frame)
        return Out::failure(unreadableMessage(path));
    state->codec.reset(avcodec_alloc_context3(codec));
    if (!state->codec || avcodec_parameters_to_context(state->codec.get(), parameters) < 0)
        return Out::failure(unreadableMessage(path));
    // The MP3 decoder needs the stream's time base to account for its gapless padding.
    state->codec->pkt_timebase = state->song.format->streams[state->song.stream]->time_base;
    if (avcodec_open2(state->codec.get(), codec, nullptr) < 0)
        return Out::failure(unreadableMessage(path));

    AVChannelLayout inLayout{};
    if (state->codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || state->codec->ch_layout.nb_channels == 0)
        av_channel_layout_default(&inLayout, std::max(1, state->codec->ch_layout.nb_channels));
    else
        av_channel_layout_copy(&inLayout, &state->codec->ch_layout);
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, channels);
    SwrContext* resampler = nullptr;
    const int configured = swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, sampleRate, &inLayout,
                                               state->codec->sample_fmt, state->codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    state->resampler.reset(resampler);
    if (configured < 0 || swr_init(resampler) < 0)
        return Out::failure(unreadableMessage(path));
    return Out::success(std::unique_ptr<SongPcmDecoder>(new SongPcmDecoder(std::move(state))));
}


bool SongPcmDecoder::decodeInto(QByteArray& pcm, qsizetype minBytes)
{
    while (!d->ended && pcm.size() < minBytes) {
        const int received = avcodec_receive_frame(d->codec.get(), d->frame.get());
        if (received == 0) {
            d->appendConverted(pcm, const_cast<const uint8_t**>(d->frame->extended_data), d->frame->nb_samples);
            av_frame_unref(d->frame.get());
            continue;
        }
        if (received == AVERROR(EAGAIN) && !d->inputDone) {
            if (av_read_frame(d->song.format.get(), d->packet.get()) < 0) {
                avcodec_send_packet(d->codec.get(), nullptr);
                d->inputDone = true;
                continue;
            }
            if (d->packet->stream_index == d->song.stream)
                avcodec_send_packet(d->codec.get(), d->packet.get());  // a damaged frame is skipped
            av_packet_unref(d->packet.get());
            continue;
        }
        // End of the stream (or a decoder that cannot go on): hand out what the resampler holds.
        d->appendConverted(pcm, nullptr, 0);
        d->ended = true;
    }
    return !d->ended;
}

}  // namespace xc
