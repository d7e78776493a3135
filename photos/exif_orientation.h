#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace xc {

// The EXIF orientation tag of a JPEG (1 … 8): how the stored picture must be turned to be shown
// upright. 1 when the file carries no EXIF data, no tag or a value outside 1 … 8.
int exifOrientation(const QByteArray& jpeg);

// Orientations 5 … 8 turn the picture by a quarter turn, exchanging width and height.
bool swapsAxes(int orientation);

// The size of the picture as it is shown.
QSize displayedSize(QSize stored, int orientation);

// The stored picture turned and mirrored as the orientation says.
QImage applyOrientation(const QImage& stored, int orientation);

}  // namespace xc
