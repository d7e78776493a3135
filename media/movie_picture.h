#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

namespace xc {

// A picture made ready to draw into its asset box: `image` covers `placement`, given in the
// box's own coordinates (0, 0, w, h).
struct FittedPicture {
    QImage image;
    QRectF placement;
};

// Decodes a picture whatever its file name says (".rar" files hold JPEG); a null image when it
// cannot be read. Opaque pictures come back as Format_RGB32, others premultiplied.
QImage readPicture(const QString& path);
QImage readPicture(const QByteArray& bytes);

// Fits `picture` inside `box`, aspect kept and centred (an empty box takes the picture's own
// size). `resolution` is the device pixels per box unit the picture is seen at: below 1 the
// stored image is scaled down smoothly once here, so drawing each frame scales by little.
FittedPicture fitPicture(const QImage& picture, QSize box, qreal resolution);

}  // namespace xc
