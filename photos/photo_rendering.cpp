#include "photos/photo_rendering.h"

#include "photos/image_resampling.h"
#include "photos/thumbnail_service.h"

#include <QPainter>

namespace xc {

namespace {

constexpr int thumbnailBorder = 4;

}  // namespace

QImage fittedCanvas(const QImage& displayed, const FitGeometry& geometry)
{
    const QSize visible = geometry.scaled.boundedTo(geometry.canvas);
    const QImage photo = resampled(displayed, geometry.scaled, visible);
    if (visible == geometry.canvas)
        return photo;
    QImage canvas(geometry.canvas, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, photo);
    return canvas;
}

QImage framedThumbnail(const QImage& displayed, QSize size)
{
    QImage panel(size + QSize(2 * thumbnailBorder, 2 * thumbnailBorder), QImage::Format_RGB32);
    panel.fill(Qt::white);
    QPainter painter(&panel);
    painter.drawImage(thumbnailBorder, thumbnailBorder, resampled(displayed, size));
    return panel;
}

Result<RenderedPhoto> renderPhotoFile(const QString& path, const PhotoRenderRequest& request)
{
    const Result<LoadedPhoto> photo = loadPhotoFile(path);
    if (!photo.ok())
        return Result<RenderedPhoto>::failure(photo.error());
    return renderPhoto(path, photo.value(), request);
}

Result<RenderedPhoto> renderPhoto(const QString& path, const LoadedPhoto& photo, const PhotoRenderRequest& request)
{
    using R = Result<RenderedPhoto>;
    QSize needed(1, 1);
    if (request.fit)
        needed = needed.expandedTo(request.fit->scaled);
    if (request.thumbnailSize)
        needed = needed.expandedTo(*request.thumbnailSize);
    const Result<QImage> displayed = decodeDisplayed(path, photo.jpeg, photo.info, needed);
    if (!displayed.ok())
        return R::failure(displayed.error());

    RenderedPhoto out;
    if (request.fit)
        out.canvas = fittedCanvas(displayed.value(), *request.fit);
    if (request.thumbnailSize)
        out.thumbnail = framedThumbnail(displayed.value(), *request.thumbnailSize);
    return R::success(out);
}

}  // namespace xc
