#pragma once

#include "core/album_model.h"
#include "core/result.h"

#include <QList>
#include <QString>

namespace xc {

class RandomSource;
class Workspace;

// The classes the template manager shows the catalogue in, each in catalogue order: "横照" and
// "竖照" (the templates automatic fitting draws from for each orientation), "单张" and "多张" (by
// photo count), "全屏" (every slot without a fixed size or filling the whole 1920 × 1080 screen)
// and "高级" (mixed slot orientations, never drawn automatically). Unclassified templates appear
// in no class.
struct TemplateClass {
    QString title;
    TemplateList templates;
};
QList<TemplateClass> templateClasses(const AlbumModel& model);

// Whether a slot of this orientation keyword ("heng", "shu", "shuheng") takes a photo of this
// orientation ("heng_zhao", "shu_zhao").
bool slotAccepts(const QString& slotOrientation, const QString& photoOrientation);

// The rows of the template group of photo row `row`, in slot order.
QList<qsizetype> groupRows(const AlbumModel& model, qsizetype row);

// What a template asks of its photos, in words: "横照2张", "横照1张、竖照1张", "横竖均可1张".
QString templateNeedsText(const TemplateRecord& chosen);

// Gives the group of photo row `row` the template `chosen` (a catalogue or classified row).
// The group keeps as many of its photos as the template's slots take (the photo `row` first,
// then the others in slot order); when the template wants more, it takes the next photos of
// the following groups in board order, each into a slot of its orientation. Photos the group
// gives up, and the photos left behind in a group that gave some away, are grouped again by the
// automatic fitting's rules. The group's movie is decoded again and every moved photo fitted
// into its new slot; the groups are then renumbered 1 … K in board order (folders follow) and
// the group counter is K. Rows keep their places, so the board thumbnails stay as they are.
// When the template cannot take these photos, or a file cannot be read or written, the album
// stays as it was and the message says why.
Status changeTemplate(AlbumModel& model, const Workspace& workspace, qsizetype row, const TemplateRecord& chosen,
                      RandomSource& random);

// Forms a group of template `chosen` with exactly the photo rows `rows`, filling the slots in
// the order given wherever the slot orientations allow. The groups the photos leave are
// grouped again as above. Fails, changing nothing, when the count or the orientations do not
// match the template's slots.
Status formGroup(AlbumModel& model, const Workspace& workspace, const TemplateRecord& chosen, const QList<qsizetype>& rows,
                 RandomSource& random);

}  // namespace xc
