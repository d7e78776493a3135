#include "photos/board_thumbnails.h"

#include "core/album_settings.h"
#include "core/file_ops.h"
#include "core/workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xc {

QString boardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, qsizetype row)
{
    return workspace.path(paths::photoThumbnails) + QStringLiteral("tp_slt_1_") + QString::number(row) + settings.ext7;
}

QString parkedBoardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, qsizetype row)
{
    return workspace.path(paths::photoThumbnails) + QString::number(row) + QStringLiteral("_tp_slt_1_") + QString::number(row) +
           settings.ext7;
}

QSize boardThumbnailSize(QSize displayed, const AlbumSettings& settings)
{
    const qint64 boxW = std::max(1, settings.thumbCellWidth.toInt() - thumbnailTileMargin);
    const qint64 boxH = std::max(1, settings.thumbCellHeight.toInt() - thumbnailTileMargin);
    const qint64 w = std::max(1, displayed.width()), h = std::max(1, displayed.height());
    if (w >= h)
        return {int(boxW), int(std::max<qint64>(1, h * boxW / w))};
    return {int(std::max<qint64>(1, w * boxH / h)), int(boxH)};
}

Status saveBoardThumbnail(const QImage& framed, const QString& path)
{
    if (Status made = makeFolder(QFileInfo(path).absolutePath()); !made.ok())
        return made;
    if (!framed.save(path, "BMP"))
        return Status::failure(QStringLiteral("无法写入缩略图：%1").arg(QDir::toNativeSeparators(path)));
    return Status::success();
}

void removeBoardThumbnail(const Workspace& workspace, const AlbumSettings& settings, qsizetype row, qsizetype count)
{
    QFile::remove(boardThumbnailPath(workspace, settings, row));
    for (qsizetype later = row + 1; later <= count; ++later)
        renameIfExists(boardThumbnailPath(workspace, settings, later), boardThumbnailPath(workspace, settings, later - 1));
}

void reorderBoardThumbnails(const Workspace& workspace, const AlbumSettings& settings, const QList<qsizetype>& formerRows)
{
    for (qsizetype j = 1; j <= formerRows.size(); ++j)
        renameIfExists(boardThumbnailPath(workspace, settings, j), parkedBoardThumbnailPath(workspace, settings, j));
    for (qsizetype j = 1; j <= formerRows.size(); ++j) {
        const qsizetype former = formerRows[j - 1];
        renameIfExists(parkedBoardThumbnailPath(workspace, settings, former), boardThumbnailPath(workspace, settings, j));
    }
}

}  // namespace xc
