#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace xc {

// The pixel size stored in a JPEG's frame header, read without decoding any pixels.
Result<QSize> readJpegSize(const QByteArray& jpeg);

// Decodes a JPEG at the smallest DCT scale (1/8 … 8/8) whose size still covers `atLeast` in both
// axes; full size when no scale does. A damaged stream (even one the decoder only warns about,
// such as a truncated file) is refused. The image is Format_RGB32.
Result<QImage> decodeJpeg(const QByteArray& jpeg, QSize atLeast);

// The size decodeJpeg would produce for a picture of `full` pixels.
QSize jpegDecodeSize(QSize full, QSize atLeast);

// A baseline JPEG (4:2:0) of the image at the given quality.
Result<QByteArray> encodeJpeg(const QImage& image, int quality);

}  // namespace xc
