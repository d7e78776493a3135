#include "photos/photo_deletion.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/instance_renumbering.h"
#include "core/workspace.h"
#include "photos/board_thumbnails.h"
#include "photos/photo_fitting.h"
#include "photos/photo_probe.h"
#include "photos/random_source.h"
#include "templates/materialisation.h"

#include <QFileInfo>


namespace xc {

namespace {

void finishDeletion(AlbumModel& model, const Workspace& workspace)
{
    renumberInstances(model, workspace);
    model.settings.selectedId = kw::none;
}

bool sharesInstance(const AlbumModel& model, qsizetype row)
{
    for (qsizetype other = 0; other < model.photos.count(); ++other) {
        if (other != row && model.photos[other].templateFolder == model.photos[row].templateFolder)
            return true;
    }
    return false;
}

// The refill job: the replacement fills the slot of `row`, a new photo joins the end of the
// table, `row` leaves, and the thumbnails again match the rows.
Status refill(AlbumModel& model, const Workspace& workspace, qsizetype row, const QString& path, bool newPhoto)
{
    const Result<PhotoRecord> probed = probeStagingRow(path, int(model.photos.count() + 1));
    if (!probed.ok())
        return Status::failure(probed.error());
    const Result<QImage> fitted =
        fitReplacementPhoto(model, workspace, path, row, newPhoto ? WithBoardThumbnail::Yes : WithBoardThumbnail::No);
    if (!fitted.ok())
        return Status::failure(fitted.error());
    // A new photo ends as the last row; its thumbnail waits under a parking name while the
    // thumbnails after the deleted row move down.
    const qsizetype rowsAfter = model.photos.count() + (newPhoto ? 1 : 0) - 1;
    if (newPhoto) {
        if (Status saved = saveBoardThumbnail(fitted.value(), parkedBoardThumbnailPath(workspace, model.settings, rowsAfter));
            !saved.ok())
            return saved;
        // The new photo takes over the deleted photo's orientation, template, group, slot and flags.
        PhotoRecord added = model.photos[row];
        const PhotoRecord& file = probed.value();
        added.seq = file.seq;
        added.path = file.path;
        added.name = file.name;
        added.ext = file.ext;
        added.width = file.width;
        added.height = file.height;
        added.crop.clear();  // a crop belongs to the photo it was made on
        model.photos.append(added);
    }
    removeBoardThumbnail(workspace, model.settings, row + 1, model.photos.count());
    model.photos.remove(row);
    if (newPhoto)
        renameIfExists(parkedBoardThumbnailPath(workspace, model.settings, rowsAfter),
                       boardThumbnailPath(workspace, model.settings, rowsAfter));
    finishDeletion(model, workspace);
    return Status::success();
}

}  // namespace

DeletionOutcome deletePhoto(AlbumModel& model, const Workspace& workspace, qsizetype row)
{
    const PhotoRecord& photo = model.photos[row];
    if (photo.templatePhotoCount.toInt() > 1 && sharesInstance(model, row))
        return DeletionOutcome::RefillNeeded;
    deleteTree(workspace, instanceFolderPath(workspace, photo.templateFolder));
    removeBoardThumbnail(workspace, model.settings, row + 1, model.photos.count());
    model.photos.remove(row);
    model.settings.templateCounter = QString::number(std::max(0, model.settings.templateCounter.toInt() - 1));
    finishDeletion(model, workspace);
    return DeletionOutcome::Deleted;
}

QList<qsizetype> refillCandidates(const AlbumModel& model, qsizetype row)
{
    QList<qsizetype> candidates;
    for (qsizetype other = 0; other < model.photos.count(); ++other) {
        if (model.photos[other].orientation == model.photos[row].orientation)
            candidates << other;
    }
    return candidates;
}

Status refillWithAlbumPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, qsizetype candidate)
{
    // The photo's own path: the board list shows paths in lower case, which names another file
    // on a case-sensitive file system. A photo whose file has gone since the import still has
    // its picture in its slot, so no photo becomes undeletable.
    const PhotoRecord& photo = model.photos[candidate];
    const QString source = QFileInfo::exists(photo.path) ? photo.path : fittedPhotoPath(workspace, model.settings, photo);
    return refill(model, workspace, row, source, false);
}

Status refillWithRandomAlbumPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, RandomSource& random)
{
    // Photos whose files are still there come first: their pictures are whole.
    const QList<qsizetype> candidates = refillCandidates(model, row);
    QList<qsizetype> present;
    for (qsizetype candidate : candidates) {
        if (QFileInfo::exists(model.photos[candidate].path))
            present << candidate;
    }
    const QList<qsizetype>& pool = present.isEmpty() ? candidates : present;
    return refillWithAlbumPhoto(model, workspace, row, pool[random.draw(int(pool.size()))]);
}

QString wrongRefillOrientationMessage(const QString& requiredOrientation)
{
    const QString kind = requiredOrientation == kw::portraitPhoto ? QStringLiteral("竖照片") : QStringLiteral("横照片");
    return QStringLiteral("添加的新相片不是") + kind + QStringLiteral(",请重新添加！");
}

Status refillWithNewPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, const QString& path)
{
    // Judged by the picture as shown, as the import judges it.
    const Result<PhotoRecord> probed = probeStagingRow(path, 0);
    if (!probed.ok())
        return Status::failure(probed.error());
    const QString required = model.photos[row].orientation;
    if (probed.value().orientation != required)
        return Status::failure(wrongRefillOrientationMessage(required));
    return refill(model, workspace, row, path, true);
}

Status deleteAllPhotos(AlbumModel& model, const Workspace& workspace)
{
    model.settings.templateCounter = QStringLiteral("0");
    model.photos.clear();
    // With the table empty this clears the staging and swap tables and the candidate pools.
    finishDeletion(model, workspace);
    for (const QString& folder : {workspace.path(paths::photoThumbnails), workspace.path(paths::templateWorkArea)}) {
        if (Status made = recreateFolder(workspace, folder); !made.ok())
            return made;
    }
    return Status::success();
}

}  // namespace xc
