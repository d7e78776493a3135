#include "media/movie_picture.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace xc {

namespace {

QImage readFrom(QImageReader& reader)
{
    // Picture files carry disguised extensions, so the content decides the format.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    return readFrom(reader);
}

QImage readPicture(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return readFrom(reader);
}

FittedPicture fitPicture(const QImage& picture, QSize box, qreal resolution)
{
    if (picture.isNull())
        return {};
    const QSizeF boxSize = box.isEmpty() ? QSizeF(picture.size()) : QSizeF(box);
    const qreal scale = std::min(boxSize.width() / picture.width(), boxSize.height() / picture.height());
    const QSizeF placed(picture.width() * scale, picture.height() * scale);
    FittedPicture fitted{picture, QRectF(QPointF((boxSize.width() - placed.width()) / 2, (boxSize.height() - placed.height()) / 2), placed)};

    // Store no more pixels than will be seen; never enlarge, drawing does that with filtering.
    const qreal seenScale = std::min<qreal>(resolution, 1);
    const QSize stored(std::max(1, int(std::lround(placed.width() * seenScale))), std::max(1, int(std::lround(placed.height() * seenScale))));
    if (stored.width() < picture.width() || stored.height() < picture.height())
        fitted.image = picture.scaled(stored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return fitted;
}

}  // namespace xc
