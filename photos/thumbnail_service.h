#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace xc {

// What the header of a photo file tells without decoding pixels.
struct PhotoInfo {
    QSize decoded;            // as stored in the file
    QSize displayed;          // as shown: the EXIF orientation applied
    int exifOrientation = 1;  // 1 … 8
};

// The whole file; the message names the file when it cannot be read.
Result<QByteArray> readPhotoFile(const QString& path);

// Sizes and orientation from the file's header; a file that is not a JPEG is refused with a
// message naming it.
Result<PhotoInfo> probePhoto(const QString& path, const QByteArray& jpeg);
Result<PhotoInfo> probePhotoFile(const QString& path);

// A photo file read once, with what its header says.
struct LoadedPhoto {
    QByteArray jpeg;
    PhotoInfo info;
};
Result<LoadedPhoto> loadPhotoFile(const QString& path);

// The photo as shown, decoded at the smallest DCT scale whose displayed size still covers
// `atLeast` (never above full size). Not resampled: callers scale it to their exact sizes.
Result<QImage> decodeDisplayed(const QString& path, const QByteArray& jpeg, const PhotoInfo& info, QSize atLeast);

// The largest size of `picture`'s aspect that fits inside `box` (integer arithmetic, at least 1).
QSize fitInside(QSize picture, QSize box);

// The photo as shown, scaled to fit inside `box` with its aspect kept.
Result<QImage> photoThumbnail(const QString& path, QSize box);

// For board display: the thumbnail, or a generic file picture when the file cannot be decoded.
QImage thumbnailOrFilePicture(const QString& path, QSize box);

// A plain document picture that fills `box`, shown in place of a photo that cannot be decoded.
QImage genericFilePicture(QSize box);

// The notice for a photo file the decoder refuses.
QString photoRejectedMessage(const QString& path, const QString& reason);

}  // namespace xc
