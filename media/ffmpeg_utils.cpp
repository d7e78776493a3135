#include "media/ffmpeg_utils.h"

#include <QFile>

namespace xc::ffmpeg {

QString ffmpegError(const QString& context, int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QStringLiteral("%1（原因：%2）").arg(context, QString::fromUtf8(text));
}

std::optional<OpenedInput> openInputStream(const QString& path, AVMediaType type)
{
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return std::nullopt;
    OpenedInput input{InputContextPtr(raw), -1};
    if (avformat_find_stream_info(input.format.get(), nullptr) < 0)
        return std::nullopt;
    input.stream = av_find_best_stream(input.format.get(), type, -1, -1, nullptr, 0);
    if (input.stream < 0)
        return std::nullopt;
    return input;
}

Result<CodecContextPtr> encoderContext(const QString& name)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(name.toLatin1().constData());
    if (codec == nullptr)
        return Result<CodecContextPtr>::failure(QStringLiteral("没有可用的编码器 %1").arg(name));
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        return Result<CodecContextPtr>::failure(ffmpegError(QStringLiteral("无法使用编码器 %1").arg(name), AVERROR(ENOMEM)));
    return Result<CodecContextPtr>::success(std::move(context));
}

Status encode(AVCodecContext& encoder, const AVFrame* frame, AVPacket& packet, const PacketSink& sink)
{
    int code = avcodec_send_frame(&encoder, frame);
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("编码失败（%1）").arg(QString::fromUtf8(encoder.codec->name)), code));
    while (true) {
        code = avcodec_receive_packet(&encoder, &packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return Status::success();
        if (code < 0)
            return Status::failure(ffmpegError(QStringLiteral("编码失败（%1）").arg(QString::fromUtf8(encoder.codec->name)), code));
        Status written = sink(packet);
        av_packet_unref(&packet);
        if (!written.ok())
            return written;
    }
}

}  // namespace xc::ffmpeg
