#pragma once

#include "core/result.h"
#include "media/ffmpeg_utils.h"

#include <QImage>
#include <QSize>

namespace xc::ffmpeg {

// Converts composed frames (QImage) into an encoder's picture format and size. The scaling
// context is kept while the frames keep their size and format, which they do in a render.
class FrameScaler {
public:
    FrameScaler(QSize outputSize, AVPixelFormat outputFormat, bool fullRange);

    // A writable picture of the output format holding image.
    Result<AVFrame*> convert(const QImage& image);

private:
    Status prepare(QSize inputSize, AVPixelFormat inputFormat);

    QSize m_outputSize;
    AVPixelFormat m_outputFormat;
    bool m_fullRange;
    QSize m_inputSize;
    AVPixelFormat m_inputFormat = AV_PIX_FMT_NONE;
    ScaleContextPtr m_context;
    FramePtr m_frame;
};

}  // namespace xc::ffmpeg
