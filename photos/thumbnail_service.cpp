#include "photos/thumbnail_service.h"

#include "photos/exif_orientation.h"
#include "photos/image_resampling.h"
#include "photos/jpeg_codec.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace xc {

QString photoRejectedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("相片文件无法解码：%1（%2）").arg(QDir::toNativeSeparators(path), reason);
}

Result<QByteArray> readPhotoFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QStringLiteral("无法读取相片文件：%1（%2）").arg(QDir::toNativeSeparators(path), file.errorString()));
    return Result<QByteArray>::success(file.readAll());
}

Result<PhotoInfo> probePhoto(const QString& path, const QByteArray& jpeg)
{
    const Result<QSize> size = readJpegSize(jpeg);
    if (!size.ok())
        return Result<PhotoInfo>::failure(photoRejectedMessage(path, size.error()));
    PhotoInfo info;
    info.decoded = size.value();
    info.exifOrientation = exifOrientation(jpeg);
    info.displayed = displayedSize(info.decoded, info.exifOrientation);
    return Result<PhotoInfo>::success(info);
}

Result<PhotoInfo> probePhotoFile(const QString& path)
{
    const Result<LoadedPhoto> photo = loadPhotoFile(path);
    return photo.ok() ? Result<PhotoInfo>::success(photo.value().info) : Result<PhotoInfo>::failure(photo.error());
}

Result<LoadedPhoto> loadPhotoFile(const QString& path)
{
    Result<QByteArray> bytes = readPhotoFile(path);
    if (!bytes.ok())
        return Result<LoadedPhoto>::failure(bytes.error());
    const Result<PhotoInfo> info = probePhoto(path, bytes.value());
    if (!info.ok())
        return Result<LoadedPhoto>::failure(info.error());
    return Result<LoadedPhoto>::success(LoadedPhoto{std::move(bytes.value()), info.value()});
}

Result<QImage> decodeDisplayed(const QString& path, const QByteArray& jpeg, const PhotoInfo& info, QSize atLeast)
{
    const QSize storedAtLeast = swapsAxes(info.exifOrientation) ? atLeast.transposed() : atLeast;
    const Result<QImage> decoded = decodeJpeg(jpeg, storedAtLeast);
    if (!decoded.ok())
        return Result<QImage>::failure(photoRejectedMessage(path, decoded.error()));
    return Result<QImage>::success(applyOrientation(decoded.value(), info.exifOrientation));
}

QSize fitInside(QSize picture, QSize box)
{
    const qint64 w = std::max(1, picture.width()), h = std::max(1, picture.height());
    // Whole numbers, products first: the wider side takes the box, the other follows.
    if (w * box.height() >= h * box.width())
        return {box.width(), int(std::max<qint64>(1, h * box.width() / w))};
    return {int(std::max<qint64>(1, w * box.height() / h)), box.height()};
}

Result<QImage> photoThumbnail(const QString& path, QSize box)
{
    const Result<LoadedPhoto> photo = loadPhotoFile(path);
    if (!photo.ok())
        return Result<QImage>::failure(photo.error());
    const QSize size = fitInside(photo.value().info.displayed, box);
    const Result<QImage> displayed = decodeDisplayed(path, photo.value().jpeg, photo.value().info, size);
    if (!displayed.ok())
        return displayed;
    return Result<QImage>::success(resampled(displayed.value(), size));
}

QImage thumbnailOrFilePicture(const QString& path, QSize box)
{
    const Result<QImage> thumbnail = photoThumbnail(path, box);
    return thumbnail.ok() ? thumbnail.value() : genericFilePicture(box);
}

QImage genericFilePicture(QSize box)
{
    QImage picture(box, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A page with a folded corner, centred, three quarters of the box high.
    const qreal h = box.height() * 0.75, w = h * 0.75;
    const QRectF page((box.width() - w) / 2, (box.height() - h) / 2, w, h);
    const qreal fold = w * 0.3;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(QColor(120, 120, 120), std::max(1.0, w / 40)));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawPath(outline);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setBrush(QColor(210, 210, 210));
    painter.drawPath(corner);
    return picture;
}

}  // namespace xc
