#include "photos/photo_fitting.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/workspace.h"
#include "photos/board_thumbnails.h"
#include "photos/jpeg_codec.h"
#include "photos/photo_probe.h"
#include "photos/photo_rendering.h"
#include "templates/materialisation.h"

#include <QFileInfo>
#include <QSaveFile>

namespace xc {

namespace {

Status ensureParent(const QString& path) { return makeFolder(QFileInfo(path).absolutePath()); }

}  // namespace


FitGeometry importFitGeometry(const PhotoRecord& row, const AlbumSettings& settings)
{
    return fitGeometry({row.width.toInt(), row.height.toInt()}, slotSizeOf(row.slotWidth, row.slotHeight),
                       settings.landscapeCrop, settings.portraitCrop);
}

QString fittedPhotoPath(const Workspace& workspace, const AlbumSettings& settings, const PhotoRecord& row)
{
    return instanceFolderPath(workspace, row.templateFolder) + row.slotName + settings.ext2;
}

QString importScratchPath(const Workspace& workspace, const AlbumSettings& settings)
{
    return workspace.path(paths::templateWorkArea) + QStringLiteral("t_p_1") + settings.ext3;
}

QString replacementScratchPath(const Workspace& workspace)
{
    return workspace.path(paths::templateWorkArea) + QStringLiteral("t_p_1.bmp");
}

Status writeFittedPhoto(const QImage& canvas, const QString& path)
{
    const Result<QByteArray> jpeg = encodeJpeg(canvas, fittedJpegQuality);
    if (!jpeg.ok())
        return Status::failure(jpeg.error());
    if (Status parent = ensureParent(path); !parent.ok())
        return parent;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg.value()) != jpeg.value().size() || !file.commit())
        return fileNotWritten(path);
    return Status::success();
}

Status writeScratchBitmap(const QImage& canvas, const QString& path)
{
    if (Status parent = ensureParent(path); !parent.ok())
        return parent;
    return canvas.save(path, "BMP") ? Status::success() : fileNotWritten(path);
}

Result<QImage> fitReplacementPhoto(const AlbumModel& model, const Workspace& workspace, const QString& photoPath, qsizetype row,
                                   WithBoardThumbnail thumbnail)
{
    using R = Result<QImage>;
    const Result<LoadedPhoto> photo = loadPhotoFile(photoPath);
    if (!photo.ok())
        return R::failure(photo.error());
    const PhotoRecord& slotRow = model.photos[row];
    const QSize photoSize = photo.value().info.displayed;
    PhotoRenderRequest request;
    request.fit = replacementFitGeometry(photoSize, slotSizeOf(slotRow.slotWidth, slotRow.slotHeight));
    if (thumbnail == WithBoardThumbnail::Yes)
        request.thumbnailSize = boardThumbnailSize(photoSize, model.settings);
    const Result<RenderedPhoto> rendered = renderPhoto(photoPath, photo.value(), request);
    if (!rendered.ok())
        return R::failure(rendered.error());
    if (Status scratch = writeScratchBitmap(rendered.value().canvas, replacementScratchPath(workspace)); !scratch.ok())
        return R::failure(scratch.error());
    if (Status fitted = writeFittedPhoto(rendered.value().canvas, fittedPhotoPath(workspace, model.settings, slotRow)); !fitted.ok())
        return R::failure(fitted.error());
    return R::success(rendered.value().thumbnail);
}

}  // namespace xc
