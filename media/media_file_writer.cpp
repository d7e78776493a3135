#include "media/media_file_writer.h"

#include "media/ffmpeg_utils.h"
#include "media/frame_scaler.h"
#include "media/joined_audio.h"

extern "C" {
#include <libavutil/log.h>
#include <libavutil/opt.h>
}

#include <QFile>

#include <atomic>
#include <algorithm>

namespace xc {

using namespace ffmpeg;

namespace {

class MediaFileWriter final : public FrameWriter {
public:
    MediaFileWriter(const OutputPlan& plan, const QStringList& songs, bool truncateAudioToVideo)
        : m_plan(plan), m_songs(songs), m_truncateAudio(truncateAudioToVideo),
          m_scaler(plan.video.size, AV_PIX_FMT_YUV420P, false), m_packet(av_packet_alloc())
    {
    }

    Status open();
    Status writeFrame(const QImage& frame) override;
    Status finish(bool stoppedEarly) override;
    qint64 samplesWritten() const override { return m_samplesWritten.load(); }

private:
    QString writeFailure(int code) const
    {
        return ffmpegError(QStringLiteral("无法写入输出文件“%1”").arg(m_plan.fileName), code);
    }
    Status openVideo();
    Status openAudio();
    Status openFile();
    Status addStream(AVCodecContext& encoder, AVStream*& stream);
    Status writePacket(AVPacket& packet, AVCodecContext& encoder, AVStream& stream);
    Status encodeVideo(const AVFrame* frame);
    Status encodeAudio(const AVFrame* frame);
    Status finishAudio(bool cutAtVideoEnd);
    Status writeAudioUntil(qint64 sampleLimit, bool cutAtLimit);
    Status writeSongsToTheirEnd();
    Status writeAudioFrame(qint64 samplesKept);
    qint64 videoEndInSamples() const;
    qint64 outputFramesBefore(qint64 albumFrame) const;

    OutputPlan m_plan;
    QStringList m_songs;
    bool m_truncateAudio;
    FrameScaler m_scaler;
    PacketPtr m_packet;
    OutputContextPtr m_output;
    CodecContextPtr m_video;
    CodecContextPtr m_audio;
    AVStream* m_videoStream = nullptr;
    AVStream* m_audioStream = nullptr;
    std::unique_ptr<JoinedAudio> m_songsAudio;
    FramePtr m_audioFrame;
    bool m_songsEnded = false;
    qint64 m_albumFrames = 0;
    qint64 m_outputFrames = 0;
    std::atomic<qint64> m_samplesWritten{0};
};

Status MediaFileWriter::open()
{
    // The libraries' progress notes (the MP4 muxer's second pass, say) are not for the user;
    // warnings and errors still reach the log.
    if (av_log_get_level() > AV_LOG_WARNING)
        av_log_set_level(AV_LOG_WARNING);
    AVFormatContext* output = nullptr;
    const QByteArray fileName = QFile::encodeName(m_plan.fileName);
    int code = avformat_alloc_output_context2(&output, nullptr, m_plan.mux.formatName.toLatin1().constData(),
                                              fileName.constData());
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("无法创建 %1 格式的输出").arg(m_plan.mux.formatName), code));
    m_output.reset(output);
    m_output->max_delay = int(m_plan.mux.maxDelayUs);
    if (!m_packet)
        return Status::failure(writeFailure(AVERROR(ENOMEM)));
    Status status = openVideo();
    if (status.ok() && (!m_songs.isEmpty() || !m_plan.leadIn.path.isEmpty()))
        status = openAudio();
    if (status.ok())
        status = openFile();
    return status;
}

Status MediaFileWriter::openVideo()
{
    const VideoStreamPlan& plan = m_plan.video;
    auto context = encoderContext(plan.codecName);
    if (!context.ok())
        return Status::failure(context.error());
    m_video = std::move(context.value());
    AVCodecContext& video = *m_video;
    video.width = plan.size.width();
    video.height = plan.size.height();
    video.pix_fmt = AV_PIX_FMT_YUV420P;
    video.time_base = AVRational{plan.frameRateDen, plan.frameRateNum};
    video.framerate = AVRational{plan.frameRateNum, plan.frameRateDen};
    video.gop_size = plan.gopSize;
    video.max_b_frames = plan.maxBFrames;
    video.bit_rate = plan.bitRate;
    video.rc_max_rate = plan.maxRate;
    video.rc_min_rate = plan.minRate;
    video.rc_buffer_size = int(plan.bufferSize);
    video.sample_aspect_ratio = AVRational{plan.sampleAspectNum, plan.sampleAspectDen};
    // One encoding thread: the frames are composed on the other core meanwhile, and slice
    // threads measured slower on two busy cores. A fixed count also keeps the output the same.
    video.thread_count = plan.threads;
    if (plan.scanOffset)
        av_opt_set_int(video.priv_data, "scan_offset", 1, 0);
    if (!plan.encoderPreset.isEmpty())
        av_opt_set(video.priv_data, "preset", plan.encoderPreset.toLatin1().constData(), 0);
    if (!plan.x264Params.isEmpty())
        av_opt_set(video.priv_data, "x264-params", plan.x264Params.toLatin1().constData(), 0);
    if (plan.constantRateFactor > 0)
        av_opt_set_int(video.priv_data, "crf", plan.constantRateFactor, 0);
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        video.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int code = avcodec_open2(&video, nullptr, nullptr);
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("无法打开视频编码器 %1").arg(plan.codecName), code));
    Status added = addStream(video, m_videoStream);
    if (!added.ok())
        return added;
    m_videoStream->sample_aspect_ratio = video.sample_aspect_ratio;
    m_videoStream->avg_frame_rate = video.framerate;
    if (!plan.codecTag.isEmpty()) {
        const QByteArray tag = plan.codecTag.toLatin1();
        m_videoStream->codecpar->codec_tag = MKTAG(tag[0], tag[1], tag[2], tag[3]);
    }
    return Status::success();
}

Status MediaFileWriter::openAudio()
{
    const AudioStreamPlan& plan = m_plan.audio;
    auto context = encoderContext(plan.codecName);
    if (!context.ok())
        return Status::failure(context.error());
    m_audio = std::move(context.value());
    AVCodecContext& audio = *m_audio;
    const AVCodec* codec = audio.codec;
    audio.sample_rate = plan.sampleRate;
    audio.bit_rate = plan.bitRate;
    audio.sample_fmt = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    audio.time_base = AVRational{1, plan.sampleRate};
    av_channel_layout_default(&audio.ch_layout, 2);
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        audio.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int code = avcodec_open2(&audio, nullptr, nullptr);
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("无法打开音频编码器 %1").arg(plan.codecName), code));
    Status added = addStream(audio, m_audioStream);
    if (!added.ok())
        return added;

    m_audioFrame.reset(av_frame_alloc());
    if (!m_audioFrame)
        return Status::failure(writeFailure(AVERROR(ENOMEM)));
    m_audioFrame->format = audio.sample_fmt;
    m_audioFrame->sample_rate = audio.sample_rate;
    m_audioFrame->nb_samples = audio.frame_size > 0 ? audio.frame_size : 1152;
    code = av_channel_layout_copy(&m_audioFrame->ch_layout, &audio.ch_layout);
    if (code >= 0)
        code = av_frame_get_buffer(m_audioFrame.get(), 0);
    if (code < 0)
        return Status::failure(writeFailure(code));
    m_songsAudio = std::make_unique<JoinedAudio>(m_songs, audio.sample_rate, audio.sample_fmt, m_plan.leadIn);
    return Status::success();
}

Status MediaFileWriter::addStream(AVCodecContext& encoder, AVStream*& stream)
{
    stream = avformat_new_stream(m_output.get(), nullptr);
    if (stream == nullptr)
        return Status::failure(writeFailure(AVERROR(ENOMEM)));
    stream->time_base = encoder.time_base;
    int code = avcodec_parameters_from_context(stream->codecpar, &encoder);
    if (code < 0)
        return Status::failure(writeFailure(code));
    // The program stream muxer sizes its buffers from the encoder's buffer properties.
    for (int i = 0; i < encoder.nb_coded_side_data; ++i) {
        const AVPacketSideData& side = encoder.coded_side_data[i];
        uint8_t* copy = av_stream_new_side_data(stream, side.type, side.size);
        if (copy == nullptr)
            return Status::failure(writeFailure(AVERROR(ENOMEM)));
        memcpy(copy, side.data, side.size);
    }
    return Status::success();
}

Status MediaFileWriter::openFile()
{
    const QByteArray url = "file:" + QFile::encodeName(m_plan.fileName);
    int code = avio_open(&m_output->pb, url.constData(), AVIO_FLAG_WRITE);
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("无法打开输出文件“%1”").arg(m_plan.fileName), code));
    AVDictionary* options = nullptr;
    if (m_plan.mux.packetSize > 0)
        av_dict_set_int(&options, "packetsize", m_plan.mux.packetSize, 0);
    if (m_plan.mux.muxRate > 0)
        av_dict_set_int(&options, "muxrate", m_plan.mux.muxRate, 0);
    if (m_plan.mux.preloadUs > 0)
        av_dict_set_int(&options, "preload", m_plan.mux.preloadUs, 0);
    if (!m_plan.mux.movFlags.isEmpty())
        av_dict_set(&options, "movflags", m_plan.mux.movFlags.toLatin1().constData(), 0);
    code = avformat_write_header(m_output.get(), &options);
    av_dict_free(&options);
    if (code < 0)
        return Status::failure(writeFailure(code));
    return Status::success();
}

Status MediaFileWriter::writePacket(AVPacket& packet, AVCodecContext& encoder, AVStream& stream)
{
    av_packet_rescale_ts(&packet, encoder.time_base, stream.time_base);
    packet.stream_index = stream.index;
    const int code = av_interleaved_write_frame(m_output.get(), &packet);
    if (code < 0)
        return Status::failure(writeFailure(code));
    return Status::success();
}

Status MediaFileWriter::encodeVideo(const AVFrame* frame)
{
    return encode(*m_video, frame, *m_packet,
                  [this](AVPacket& packet) { return writePacket(packet, *m_video, *m_videoStream); });
}

Status MediaFileWriter::encodeAudio(const AVFrame* frame)
{
    return encode(*m_audio, frame, *m_packet,
                  [this](AVPacket& packet) { return writePacket(packet, *m_audio, *m_audioStream); });
}

// NTSC keeps the album's duration by showing album frame k from output frame ceil(k * fps / 25).
qint64 MediaFileWriter::outputFramesBefore(qint64 albumFrame) const
{
    const VideoStreamPlan& video = m_plan.video;
    if (!video.repeatFramesToKeepDuration)
        return albumFrame;
    const qint64 albumRateDen = qint64(video.frameRateDen) * 25;
    return (albumFrame * video.frameRateNum + albumRateDen - 1) / albumRateDen;
}

qint64 MediaFileWriter::videoEndInSamples() const
{
    return av_rescale(m_outputFrames, qint64(m_plan.audio.sampleRate) * m_plan.video.frameRateDen,
                      m_plan.video.frameRateNum);
}

Status MediaFileWriter::writeFrame(const QImage& image)
{
    auto converted = m_scaler.convert(image);
    if (!converted.ok())
        return Status::failure(converted.error());
    AVFrame* frame = converted.value();
    const qint64 outputEnd = outputFramesBefore(++m_albumFrames);
    for (; m_outputFrames < outputEnd; ++m_outputFrames) {
        frame->pts = m_outputFrames;
        Status encoded = encodeVideo(frame);
        if (!encoded.ok())
            return encoded;
    }
    // The sound follows the picture closely, so the muxer interleaves without piling up packets.
    return writeAudioUntil(videoEndInSamples(), false);
}

// Once the songs have ended, silence carries the sound on: a sound stream that stops long before
// the picture leaves players and probes without an end time for it.
Status MediaFileWriter::writeAudioUntil(qint64 sampleLimit, bool cutAtLimit)
{
    if (!m_audio)
        return Status::success();
    const int frameSize = m_audioFrame->nb_samples;
    for (;;) {
        const qint64 start = m_samplesWritten.load();
        // Until the cut, only whole frames that end within the video so far are written.
        if (cutAtLimit ? start >= sampleLimit : start + frameSize > sampleLimit)
            return Status::success();
        Status written = writeAudioFrame(std::min<qint64>(frameSize, sampleLimit - start));
        if (!written.ok())
            return written;
    }
}

Status MediaFileWriter::writeSongsToTheirEnd()
{
    while (!m_songsEnded) {
        Status written = writeAudioFrame(m_audioFrame->nb_samples);
        if (!written.ok())
            return written;
    }
    return Status::success();
}

// Encodes the next frame of the songs (silence after their end), keeping its first samplesKept.
Status MediaFileWriter::writeAudioFrame(qint64 samplesKept)
{
    const int frameSize = m_audioFrame->nb_samples;
    auto read = m_songsAudio->read(*m_audioFrame);
    if (!read.ok())
        return Status::failure(read.error());
    if (read.value() < frameSize)
        m_songsEnded = true;
    if (samplesKept < frameSize) {
        av_samples_set_silence(m_audioFrame->data, int(samplesKept), frameSize - int(samplesKept),
                               m_audioFrame->ch_layout.nb_channels, static_cast<AVSampleFormat>(m_audioFrame->format));
    }
    const qint64 start = m_samplesWritten.load();
    m_audioFrame->pts = start;
    Status encoded = encodeAudio(m_audioFrame.get());
    if (encoded.ok())
        m_samplesWritten.store(start + samplesKept);
    return encoded;
}

// The rest of the songs (or only up to the video's end), silence up to the video's end, and what
// the encoder still holds.
Status MediaFileWriter::finishAudio(bool cutAtVideoEnd)
{
    Status status = cutAtVideoEnd ? Status::success() : writeSongsToTheirEnd();
    if (status.ok())
        status = writeAudioUntil(videoEndInSamples(), true);
    if (status.ok())
        status = encodeAudio(nullptr);
    return status;
}

Status MediaFileWriter::finish(bool stoppedEarly)
{
    Status status = encodeVideo(nullptr);
    if (status.ok() && m_audio)
        status = finishAudio(m_truncateAudio || stoppedEarly);
    if (status.ok()) {
        const int code = av_write_trailer(m_output.get());
        if (code < 0)
            status = Status::failure(writeFailure(code));
    }
    // Buffered bytes reach the disk only here, so a full disk may first show now.
    const int closed = avio_closep(&m_output->pb);
    if (status.ok() && closed < 0)
        status = Status::failure(writeFailure(closed));
    return status;
}

}  // namespace

Result<std::unique_ptr<FrameWriter>> openMediaFileWriter(const OutputPlan& plan, const QStringList& songs,
                                                         bool truncateAudioToVideo)
{
    auto writer = std::make_unique<MediaFileWriter>(plan, songs, truncateAudioToVideo);
    Status opened = writer->open();
    if (!opened.ok())
        return Result<std::unique_ptr<FrameWriter>>::failure(opened.error());
    return Result<std::unique_ptr<FrameWriter>>::success(std::move(writer));
}

}  // namespace xc
