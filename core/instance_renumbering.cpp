#include "core/instance_renumbering.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/workspace.h"

namespace xc {

namespace {

QString instanceFolder(const Workspace& ws, const QString& n) { return instanceFolderPrefix(ws) + n; }

QString parkedFolder(const Workspace& ws, const QString& n)
{
    return ws.path(paths::templateWorkArea) + n + QStringLiteral("_tp_wjj_") + n;
}

}  // namespace

void renumberInstances(AlbumModel& model, const Workspace& workspace)
{
    PhotoTable& photos = model.photos;
    const QString& ext1 = model.settings.ext1;

    // Park every instance folder under a name no final folder can have; an empty thumbDone
    // marks a row that is not renumbered yet.
    for (PhotoRecord& row : photos) {
        renameIfExists(instanceFolder(workspace, row.templateFolder), parkedFolder(workspace, row.templateFolder));
        row.thumbDone.clear();
    }

    int m = 0;
    for (qsizetype r = 0; r < photos.count(); ++r) {
        if (!photos[r].thumbDone.isEmpty())
            continue;
        const QString old = photos[r].templateFolder;
        const QString next = QString::number(++m);
        const QString parked = parkedFolder(workspace, old);
        renameIfExists(parked + QLatin1Char('/') + instanceMovieName(old, ext1), parked + QLatin1Char('/') + instanceMovieName(next, ext1));
        renameIfExists(parked, instanceFolder(workspace, next));
        for (qsizetype x = r; x < photos.count(); ++x) {
            if (photos[x].thumbDone.isEmpty() && photos[x].templateFolder == old) {
                photos[x].templateFolder = next;
                photos[x].thumbDone = kw::done;
            }
        }
    }

    if (photos.isEmpty()) {
        model.staging.clear();
        model.photoSwap.clear();
        model.landscapePool.clear();
        model.landscapeSinglePool.clear();
        model.portraitPool.clear();
        model.portraitSinglePool.clear();
    }
    renumberSeq(photos);
}

}  // namespace xc
