#include "tests/conversion/media_probe.h"

#include "media/ffmpeg_utils.h"

#include <QFile>

#include <cstdio>
#include <mutex>

namespace xc::test {

namespace {

std::mutex logMutex;
QStringList* logSink = nullptr;

void collectLog(void* object, int level, const char* format, va_list arguments)
{
    if (level > AV_LOG_WARNING)
        return;
    char line[1024];
    int prefix = 1;
    av_log_format_line(object, level, format, arguments, line, sizeof line, &prefix);
    std::lock_guard lock(logMutex);
    if (logSink != nullptr)
        logSink->append(QString::fromUtf8(line).trimmed());
}

}  // namespace

FfmpegLogCapture::FfmpegLogCapture()
{
    std::lock_guard lock(logMutex);
    m_previous = logSink;
    logSink = &m_messages;
    av_log_set_callback(collectLog);
}

FfmpegLogCapture::~FfmpegLogCapture()
{
    std::lock_guard lock(logMutex);
    logSink = m_previous;
    if (logSink == nullptr)
        av_log_set_callback(av_log_default_callback);
}

QStringList FfmpegLogCapture::messages() const
{
    std::lock_guard lock(logMutex);
    return m_messages;
}

const ProbedStream* ProbedFile::stream(const QString& kind) const
{
    for (const ProbedStream& candidate : streams) {
        if (candidate.kind == kind)
            return &candidate;
    }
    return nullptr;
}

ProbedFile probeFile(const QString& path)
{
    FfmpegLogCapture log;
    ProbedFile probed;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return probed;
    const ffmpeg::InputContextPtr input(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return probed;
    probed.opened = true;

    std::vector<ffmpeg::CodecContextPtr> decoders(raw->nb_streams);
    for (unsigned i = 0; i < raw->nb_streams; ++i) {
        const AVStream* stream = raw->streams[i];
        ProbedStream info;
        const AVCodecParameters* parameters = stream->codecpar;
        info.kind = parameters->codec_type == AVMEDIA_TYPE_VIDEO   ? QStringLiteral("video")
                    : parameters->codec_type == AVMEDIA_TYPE_AUDIO ? QStringLiteral("audio")
                                                                   : QStringLiteral("other");
        info.codec = QString::fromUtf8(avcodec_get_name(parameters->codec_id));
        info.width = parameters->width;
        info.height = parameters->height;
        info.frameRateNum = stream->r_frame_rate.num;
        info.frameRateDen = stream->r_frame_rate.den;
        info.sampleRate = parameters->sample_rate;
        info.channels = parameters->ch_layout.nb_channels;
        probed.streams.push_back(info);
        const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
        if (codec == nullptr)
            continue;
        decoders[i].reset(avcodec_alloc_context3(codec));
        avcodec_parameters_to_context(decoders[i].get(), parameters);
        if (avcodec_open2(decoders[i].get(), codec, nullptr) < 0)
            decoders[i].reset();
    }

    const ffmpeg::PacketPtr packetOwner(av_packet_alloc());
    const ffmpeg::FramePtr frameOwner(av_frame_alloc());
    AVPacket* packet = packetOwner.get();
    AVFrame* frame = frameOwner.get();
    auto drain = [&](unsigned index) {
        while (avcodec_receive_frame(decoders[index].get(), frame) >= 0) {
            ProbedStream& info = probed.streams[index];
            if (info.kind == QLatin1String("video"))
                ++info.decodedFrames;
            else
                info.decodedSamples += frame->nb_samples;
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(raw, packet) >= 0) {
        const unsigned index = unsigned(packet->stream_index);
        if (index < decoders.size() && decoders[index]) {
            avcodec_send_packet(decoders[index].get(), packet);
            drain(index);
        }
        av_packet_unref(packet);
    }
    for (unsigned i = 0; i < decoders.size(); ++i) {
        if (decoders[i]) {
            avcodec_send_packet(decoders[i].get(), nullptr);
            drain(i);
        }
    }
    probed.messages = log.messages();
    return probed;
}

}  // namespace xc::test
