#include "media/picture_sequence_writer.h"

#include "media/ffmpeg_utils.h"
#include "media/frame_scaler.h"

#include <QFile>

namespace xc {

using namespace ffmpeg;

namespace {

struct PictureEncoding {
    AVPixelFormat format;
    bool fullRange;
};

// JPEG pictures are full-range YUV; the others are stored as 24-bit colour.
PictureEncoding encodingFor(const QString& codecName)
{
    if (codecName == QLatin1String("mjpeg"))
        return {AV_PIX_FMT_YUV420P, true};
    if (codecName == QLatin1String("pcx"))
        return {AV_PIX_FMT_RGB24, false};
    return {AV_PIX_FMT_BGR24, false};
}

class PictureSequenceWriter final : public FrameWriter {
public:
    explicit PictureSequenceWriter(const OutputPlan& plan)
        : m_plan(plan.pictures), m_size(plan.video.size), m_encoding(encodingFor(plan.pictures.codecName)),
          m_scaler(plan.video.size, m_encoding.format, m_encoding.fullRange), m_packet(av_packet_alloc())
    {
    }

    Status open();
    Status writeFrame(const QImage& frame) override;
    Status finish(bool stoppedEarly) override;
    qint64 samplesWritten() const override { return 0; }

private:
    Status writePicture(const AVPacket& packet);

    PictureSequencePlan m_plan;
    QSize m_size;
    PictureEncoding m_encoding;
    FrameScaler m_scaler;
    PacketPtr m_packet;
    CodecContextPtr m_encoder;
    qint64 m_written = 0;
};

Status PictureSequenceWriter::open()
{
    auto context = encoderContext(m_plan.codecName);
    if (!context.ok())
        return Status::failure(context.error());
    m_encoder = std::move(context.value());
    if (!m_packet)
        return Status::failure(ffmpegError(QStringLiteral("无法写入序列图片"), AVERROR(ENOMEM)));
    AVCodecContext& encoder = *m_encoder;
    encoder.width = m_size.width();
    encoder.height = m_size.height();
    encoder.pix_fmt = m_encoding.format;
    encoder.time_base = AVRational{1, 25};
    if (m_encoding.fullRange) {
        encoder.color_range = AVCOL_RANGE_JPEG;
        // Fixed high quality, like photos saved at quality 90 and above.
        encoder.flags |= AV_CODEC_FLAG_QSCALE;
        encoder.global_quality = FF_QP2LAMBDA * 2;
    }
    const int code = avcodec_open2(&encoder, nullptr, nullptr);
    if (code < 0)
        return Status::failure(ffmpegError(QStringLiteral("无法打开图片编码器 %1").arg(m_plan.codecName), code));
    return Status::success();
}

Status PictureSequenceWriter::writeFrame(const QImage& image)
{
    auto converted = m_scaler.convert(image);
    if (!converted.ok())
        return Status::failure(converted.error());
    AVFrame* frame = converted.value();
    frame->pts = m_written;
    if (m_encoding.fullRange) {
        frame->color_range = AVCOL_RANGE_JPEG;
        frame->quality = m_encoder->global_quality;
    }
    return encode(*m_encoder, frame, *m_packet, [this](AVPacket& packet) { return writePicture(packet); });
}

Status PictureSequenceWriter::writePicture(const AVPacket& packet)
{
    const QString fileName = m_plan.fileName(m_written);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Status::failure(QStringLiteral("无法写入图片“%1”（原因：%2）").arg(fileName, file.errorString()));
    if (file.write(reinterpret_cast<const char*>(packet.data), packet.size) != packet.size || !file.flush()) {
        const QString reason = file.errorString();
        file.close();
        file.remove();
        return Status::failure(QStringLiteral("无法写入图片“%1”（原因：%2）").arg(fileName, reason));
    }
    ++m_written;
    return Status::success();
}

Status PictureSequenceWriter::finish(bool /*stoppedEarly*/)
{
    return encode(*m_encoder, nullptr, *m_packet, [this](AVPacket& packet) { return writePicture(packet); });
}

}  // namespace

Result<std::unique_ptr<FrameWriter>> openPictureSequenceWriter(const OutputPlan& plan)
{
    auto writer = std::make_unique<PictureSequenceWriter>(plan);
    Status opened = writer->open();
    if (!opened.ok())
        return Result<std::unique_ptr<FrameWriter>>::failure(opened.error());
    return Result<std::unique_ptr<FrameWriter>>::success(std::move(writer));
}

}  // namespace xc
