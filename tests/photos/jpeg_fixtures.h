#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>

namespace xc::test {

// A JPEG whose four quadrants have distinct colours (top-left `tint`, then green, blue, white),
// so tests can tell how it was turned. Encoded with the photo pipeline's own encoder.
QByteArray quadrantJpeg(QSize size, QColor tint = Qt::red);

// The JPEG with an EXIF block carrying the orientation tag, placed right after the start marker.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

}  // namespace xc::test
