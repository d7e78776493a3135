#pragma once

// FFmpeg handles owned by RAII, and FFmpeg error codes made readable. Included only by the
// media adapters' sources, so no other part of the program sees an FFmpeg header.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "core/result.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace xc::ffmpeg {

struct InputContextDeleter {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleContextDeleter {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct ResampleContextDeleter {
    void operator()(SwrContext* context) const { swr_free(&context); }
};
struct AudioFifoDeleter {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using InputContextPtr = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using ScaleContextPtr = std::unique_ptr<SwsContext, ScaleContextDeleter>;
using ResampleContextPtr = std::unique_ptr<SwrContext, ResampleContextDeleter>;
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AudioFifoDeleter>;

// An output context closes its file (when it opened one) before it is freed.
struct OutputContextDeleter {
    void operator()(AVFormatContext* context) const
    {
        if (context->pb != nullptr && (context->oformat->flags & AVFMT_NOFILE) == 0)
            avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
using OutputContextPtr = std::unique_ptr<AVFormatContext, OutputContextDeleter>;

// "context: FFmpeg's description of code", e.g. "Cannot open output file x.mpg: Permission denied".
QString ffmpegError(const QString& context, int code);

// A media file opened with its streams probed, and its best stream of `type`; nothing when the
// file cannot be opened or has no such stream.
struct OpenedInput {
    InputContextPtr format;
    int stream = -1;
};
std::optional<OpenedInput> openInputStream(const QString& path, AVMediaType type);

// A fresh context of the encoder with that name, or why there is none.
Result<CodecContextPtr> encoderContext(const QString& name);

// Sends one frame (null: drain) to an encoder and hands every packet it gives back to sink.
using PacketSink = std::function<Status(AVPacket& packet)>;
Status encode(AVCodecContext& encoder, const AVFrame* frame, AVPacket& packet, const PacketSink& sink);

}  // namespace xc::ffmpeg
