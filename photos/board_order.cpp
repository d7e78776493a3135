#include "photos/board_order.h"

#include "core/album_model.h"
#include "core/instance_renumbering.h"
#include "photos/board_thumbnails.h"

#include <utility>

namespace xc {

void exchangePhotos(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b)
{
    std::swap(model.photos[a], model.photos[b]);
    // The sequence column still holds each photo's row before the drop; the thumbnails are
    // renamed by it once the groups are renumbered.
    QList<qsizetype> formerRows;
    for (const PhotoRecord& row : model.photos)
        formerRows << row.seq.toLongLong();
    renumberInstances(model, workspace);
    reorderBoardThumbnails(workspace, model.settings, formerRows);
}

}  // namespace xc
