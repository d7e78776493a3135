#pragma once

#include "core/result.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace xc {

struct AlbumModel;
struct PhotoRecord;
class Workspace;

// What part of a photo its slot shows: the photo as shown (EXIF orientation applied) is turned
// clockwise by `turns` quarter turns, and `rect` (in that turned picture's pixels) is cut out.
// It is kept with the photo's row, so it goes wherever the photo goes.
struct PhotoCrop {
    QRect rect;
    int turns = 0;  // 0 … 3

    bool isEmpty() const { return rect.isEmpty(); }
    bool operator==(const PhotoCrop&) const = default;
};

// "x,y,w,h,turns" as the row keeps it; an empty or malformed text is no crop.
PhotoCrop photoCropOf(const QString& text);
QString photoCropText(const PhotoCrop& crop);

// The size of the photo turned by `turns` quarter turns.
QSize turnedSize(QSize displayed, int turns);
// The aspect a row's crop keeps: its slot's, or the screen's for a slot without a fixed size.
QSize cropAspectOf(const PhotoRecord& row);

// The largest crop of `aspect` centred on `centre` that lies within the turned photo; the
// centre moves inwards as far as needed. A crop can never leave the photo.
PhotoCrop cropAround(QSize displayed, int turns, QSize aspect, QPointF centre, double scale = 1.0);
// The same crop moved and sized into the photo again (after a drag, a key, a turn).
PhotoCrop clampedCrop(QSize displayed, const PhotoCrop& crop, QSize aspect);

// The photo as the crop shows it: turned and cut. `displayed` may be a reduced decode of a photo
// of `fullSize`; the crop is scaled to it.
QImage croppedPicture(const QImage& displayed, QSize fullSize, const PhotoCrop& crop);

// A row's crop in the shape of its slot now: a photo that moved to a slot of another shape keeps
// the centre and the share of the photo it showed.
PhotoCrop cropForSlot(const PhotoRecord& row);

// The slot picture of a row: its photo fitted to its slot, through its crop when it has one.
Result<QImage> fittedRowPicture(const AlbumModel& model, const PhotoRecord& row);

// Keeps `crop` as row `row`'s crop (an empty crop: the whole photo again) and fits the slot
// picture again from it, so previews and renders show it. The photo file is only read. On
// failure nothing changes.
Status setPhotoCrop(AlbumModel& model, const Workspace& workspace, qsizetype row, const PhotoCrop& crop);

// Writes row `row`'s slot picture (fittedRowPicture) where its group's movie reads it.
Status refitPhotoRow(const AlbumModel& model, const Workspace& workspace, qsizetype row);

}  // namespace xc
