#include "photos/photo_crop.h"

#include "core/album_model.h"
#include "photos/fitting_geometry.h"
#include "photos/photo_fitting.h"
#include "photos/photo_rendering.h"
#include "photos/thumbnail_service.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace xc {

PhotoCrop photoCropOf(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5)
        return {};
    int numbers[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok)
            return {};
    }
    return PhotoCrop{QRect(numbers[0], numbers[1], numbers[2], numbers[3]), ((numbers[4] % 4) + 4) % 4};
}

QString photoCropText(const PhotoCrop& crop)
{
    if (crop.isEmpty())
        return {};
    return QStringLiteral("%1,%2,%3,%4,%5").arg(crop.rect.x()).arg(crop.rect.y()).arg(crop.rect.width()).arg(crop.rect.height()).arg(crop.turns);
}

QSize turnedSize(QSize displayed, int turns)
{
    return turns % 2 ? displayed.transposed() : displayed;
}

QSize cropAspectOf(const PhotoRecord& row)
{
    const QSize slot = slotSizeOf(row.slotWidth, row.slotHeight);
    return slot.width() > 0 && slot.height() > 0 ? slot : QSize(screenWidth, screenHeight);
}

PhotoCrop cropAround(QSize displayed, int turns, QSize aspect, QPointF centre, double scale)
{
    const QSize photo = turnedSize(displayed, turns);
    const QSize largest = aspect.scaled(photo, Qt::KeepAspectRatio);
    const double s = std::clamp(scale, 0.05, 1.0);
    const QSize size(std::max(1, int(std::lround(largest.width() * s))), std::max(1, int(std::lround(largest.height() * s))));
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(centre.toPoint());
    return clampedCrop(displayed, PhotoCrop{rect, turns}, aspect);
}

PhotoCrop clampedCrop(QSize displayed, const PhotoCrop& crop, QSize aspect)
{
    const QSize photo = turnedSize(displayed, crop.turns);
    const QSize largest = aspect.scaled(photo, Qt::KeepAspectRatio);
    // The size keeps the aspect (by its width) and fits the photo; then the place keeps it inside.
    const int width = std::clamp(crop.rect.width(), 1, largest.width());
    const int height = std::clamp(int(std::lround(double(width) * aspect.height() / aspect.width())), 1, photo.height());
    const int left = std::clamp(crop.rect.x(), 0, photo.width() - width);
    const int top = std::clamp(crop.rect.y(), 0, photo.height() - height);
    return PhotoCrop{QRect(left, top, width, height), crop.turns};
}

QImage croppedPicture(const QImage& displayed, QSize fullSize, const PhotoCrop& crop)
{
    const QImage turned = crop.turns ? displayed.transformed(QTransform().rotate(90.0 * crop.turns)) : displayed;
    if (crop.isEmpty())
        return turned;
    const QSize full = turnedSize(fullSize, crop.turns);
    const double sx = double(turned.width()) / full.width();
    const double sy = double(turned.height()) / full.height();
    const QRect scaled(int(std::floor(crop.rect.x() * sx)), int(std::floor(crop.rect.y() * sy)),
                       std::max(1, int(std::lround(crop.rect.width() * sx))), std::max(1, int(std::lround(crop.rect.height() * sy))));
    return turned.copy(scaled.intersected(turned.rect()));
}

PhotoCrop cropForSlot(const PhotoRecord& row)
{
    const PhotoCrop crop = photoCropOf(row.crop);
    const QSize aspect = cropAspectOf(row);
    if (crop.isEmpty() || crop.rect.width() * aspect.height() == crop.rect.height() * aspect.width())
        return crop;
    const QSize displayed(row.width.toInt(), row.height.toInt());
    const QSize turned = turnedSize(displayed, crop.turns);
    const double share = std::sqrt(double(crop.rect.width()) * crop.rect.height() / (double(turned.width()) * turned.height()));
    const QSize largest = aspect.scaled(turned, Qt::KeepAspectRatio);
    const double whole = std::sqrt(double(largest.width()) * largest.height() / (double(turned.width()) * turned.height()));
    return cropAround(displayed, crop.turns, aspect, QRectF(crop.rect).center(), share / whole);
}

Result<QImage> fittedRowPicture(const AlbumModel& model, const PhotoRecord& photo)
{
    using R = Result<QImage>;
    const PhotoCrop crop = cropForSlot(photo);
    const Result<LoadedPhoto> loaded = loadPhotoFile(photo.path);
    if (!loaded.ok())
        return R::failure(loaded.error());
    const QSize full = loaded.value().info.displayed;
    const QSize turnedFull = turnedSize(full, crop.turns);
    const QSize shown = crop.isEmpty() ? turnedFull : crop.rect.size();
    const FitGeometry fit = fitGeometry(shown, slotSizeOf(photo.slotWidth, photo.slotHeight), model.settings.landscapeCrop,
                                        model.settings.portraitCrop);
    // Decoded large enough that the cut part still covers the slot.
    const QSize needed(int(std::ceil(double(fit.scaled.width()) * turnedFull.width() / shown.width())),
                       int(std::ceil(double(fit.scaled.height()) * turnedFull.height() / shown.height())));
    const Result<QImage> displayed =
        decodeDisplayed(photo.path, loaded.value().jpeg, loaded.value().info, turnedSize(needed, crop.turns).boundedTo(full));
    if (!displayed.ok())
        return R::failure(displayed.error());
    return R::success(fittedCanvas(croppedPicture(displayed.value(), full, crop), fit));
}

Status refitPhotoRow(const AlbumModel& model, const Workspace& workspace, qsizetype row)
{
    const Result<QImage> canvas = fittedRowPicture(model, model.photos[row]);
    if (!canvas.ok())
        return Status::failure(canvas.error());
    return writeFittedPhoto(canvas.value(), fittedPhotoPath(workspace, model.settings, model.photos[row]));
}

Status setPhotoCrop(AlbumModel& model, const Workspace& workspace, qsizetype row, const PhotoCrop& crop)
{
    const QString before = model.photos[row].crop;
    model.photos[row].crop = photoCropText(crop);
    const Status fitted = refitPhotoRow(model, workspace, row);
    if (!fitted.ok())
        model.photos[row].crop = before;
    return fitted;
}

}  // namespace xc
