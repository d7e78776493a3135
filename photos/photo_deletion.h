#pragma once

#include "core/result.h"

#include <QList>

namespace xc {

struct AlbumModel;
class RandomSource;
class Workspace;

enum class DeletionOutcome {
    Deleted,       // the photo and its template instance are gone
    RefillNeeded,  // the photo shares a multi-photo instance: its slot must be refilled first
};

// "删除" for photo row `row` (0-based). A photo with a single-photo template, or the last photo
// left of its instance, is deleted with its instance folder: its thumbnail goes and the later
// ones move down, the group counter drops by one, the groups are renumbered. A photo whose
// instance still has other photos is not deleted: the caller offers the refill choices.
DeletionOutcome deletePhoto(AlbumModel& model, const Workspace& workspace, qsizetype row);

// The album photos that can refill the slot of `row`: every row of the same orientation, in table
// order, the photo itself included.
QList<qsizetype> refillCandidates(const AlbumModel& model, qsizetype row);

// Refill with the album photo of row `candidate`: its picture fills the slot of `row`, then `row`
// leaves the table. The group counter is not changed; the groups are renumbered and the
// thumbnails again match the rows.
Status refillWithAlbumPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, qsizetype candidate);

// Refill with an album photo drawn at random among the candidates.
Status refillWithRandomAlbumPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, RandomSource& random);

// The message that refuses a new refill photo of the wrong orientation; names the one required.
QString wrongRefillOrientationMessage(const QString& requiredOrientation);

// Refill with a new photo file of the same orientation: it joins the end of the table with the
// deleted photo's template, group and slot, gets its board thumbnail, and the deleted photo's
// row leaves. A file of the other orientation, or one that cannot be decoded, is refused with a
// message and nothing changes.
Status refillWithNewPhoto(AlbumModel& model, const Workspace& workspace, qsizetype row, const QString& path);

// "全删": every photo, the staging and swap tables, the candidate pools, the thumbnails and the
// template work area go; the group counter returns to "0".
Status deleteAllPhotos(AlbumModel& model, const Workspace& workspace);

}  // namespace xc
