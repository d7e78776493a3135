#pragma once

#include "core/result.h"
#include "photos/fitting_geometry.h"
#include "photos/thumbnail_service.h"

#include <QImage>
#include <QString>

#include <optional>

namespace xc {

// The fitted picture of a photo: the black canvas with the photo, resampled to the scaled size,
// at its top-left corner.
QImage fittedCanvas(const QImage& displayed, const FitGeometry& geometry);

// A board thumbnail: the photo resampled to `size` on a white panel 8 pixels wider and higher,
// placed at (4, 4).
QImage framedThumbnail(const QImage& displayed, QSize size);

// What one decode of a photo file is to deliver.
struct PhotoRenderRequest {
    std::optional<FitGeometry> fit;       // the fitted canvas
    std::optional<QSize> thumbnailSize;   // the framed board thumbnail, photo part of this size
};

struct RenderedPhoto {
    QImage canvas;
    QImage thumbnail;
};

// Reads and decodes the photo once, at the smallest DCT scale that covers every requested
// picture, and makes them from that one decode. The message names the file when it cannot be
// read or decoded.
Result<RenderedPhoto> renderPhotoFile(const QString& path, const PhotoRenderRequest& request);
// The same from a file already read; path names it in messages.
Result<RenderedPhoto> renderPhoto(const QString& path, const LoadedPhoto& photo, const PhotoRenderRequest& request);

}  // namespace xc
