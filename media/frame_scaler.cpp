#include "media/frame_scaler.h"


namespace xc::ffmpeg {

namespace {

// The FFmpeg name of a QImage layout in memory; NONE when the image must be converted first.
AVPixelFormat pixelFormatOf(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        // 0xAARRGGBB words: B, G, R, A bytes on a little-endian machine.
        return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;
    case QImage::Format_RGB888:
        return AV_PIX_FMT_RGB24;
    case QImage::Format_BGR888:
        return AV_PIX_FMT_BGR24;
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBX8888:
        return AV_PIX_FMT_RGBA;
    default:
        return AV_PIX_FMT_NONE;
    }
}

}  // namespace

FrameScaler::FrameScaler(QSize outputSize, AVPixelFormat outputFormat, bool fullRange)
    : m_outputSize(outputSize), m_outputFormat(outputFormat), m_fullRange(fullRange), m_frame(av_frame_alloc())
{
}

Status FrameScaler::prepare(QSize inputSize, AVPixelFormat inputFormat)
{
    if (m_context && inputSize == m_inputSize && inputFormat == m_inputFormat)
        return Status::success();
    // At the same size only the colour planes are resampled; point sampling them costs a third
    // less per frame than filtering, a difference the eye does not see after MPEG's own blur.
    const bool sameSize = inputSize == m_outputSize;
    m_context.reset(sws_getContext(inputSize.width(), inputSize.height(), inputFormat, m_outputSize.width(),
                                   m_outputSize.height(), m_outputFormat, sameSize ? SWS_POINT : SWS_BICUBIC, nullptr,
                                   nullptr, nullptr));
    if (!m_context)
        return Status::failure(QStringLiteral("无法转换 %1×%2 的画面").arg(inputSize.width()).arg(inputSize.height()));
    if (m_fullRange) {
        int* inverseTable = nullptr;
        int* table = nullptr;
        int sourceRange = 0, destinationRange = 0, brightness = 0, contrast = 0, saturation = 0;
        sws_getColorspaceDetails(m_context.get(), &inverseTable, &sourceRange, &table, &destinationRange, &brightness,
                                 &contrast, &saturation);
        sws_setColorspaceDetails(m_context.get(), inverseTable, sourceRange, table, 1, brightness, contrast, saturation);
    }
    m_inputSize = inputSize;
    m_inputFormat = inputFormat;
    return Status::success();
}

Result<AVFrame*> FrameScaler::convert(const QImage& image)
{
    AVPixelFormat inputFormat = pixelFormatOf(image.format());
    const QImage input = inputFormat != AV_PIX_FMT_NONE ? image : image.convertToFormat(QImage::Format_RGB32);
    inputFormat = pixelFormatOf(input.format());
    Status prepared = prepare(input.size(), inputFormat);
    if (!prepared.ok())
        return Result<AVFrame*>::failure(prepared.error());

    if (m_frame->data[0] == nullptr) {
        m_frame->format = m_outputFormat;
        m_frame->width = m_outputSize.width();
        m_frame->height = m_outputSize.height();
        const int code = av_frame_get_buffer(m_frame.get(), 0);
        if (code < 0)
            return Result<AVFrame*>::failure(ffmpegError(QStringLiteral("无法分配画面内存"), code));
    }
    // An encoder may still hold the previous picture; then this gives the frame fresh buffers.
    const int code = av_frame_make_writable(m_frame.get());
    if (code < 0)
        return Result<AVFrame*>::failure(ffmpegError(QStringLiteral("无法分配画面内存"), code));
    const uint8_t* sourcePlanes[] = {input.constBits()};
    const int sourceStrides[] = {int(input.bytesPerLine())};
    sws_scale(m_context.get(), sourcePlanes, sourceStrides, 0, input.height(), m_frame->data, m_frame->linesize);
    return Result<AVFrame*>::success(m_frame.get());
}

}  // namespace xc::ffmpeg
