#include "photos/exif_orientation.h"

#include <libexif/exif-data.h>

#include <QTransform>

#include <memory>

namespace xc {

namespace {

struct ExifDataFree {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

// The EXIF block sits in the header segments at the start of the file; libexif finds it there
// and stops at the first segment that cannot hold it.
constexpr qsizetype headerBytes = 256 * 1024;

}  // namespace

int exifOrientation(const QByteArray& jpeg)
{
    const qsizetype length = std::min(jpeg.size(), headerBytes);
    std::unique_ptr<ExifData, ExifDataFree> data(
        exif_data_new_from_data(reinterpret_cast<const unsigned char*>(jpeg.constData()), unsigned(length)));
    if (!data)
        return 1;
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data)
        return 1;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    return value >= 1 && value <= 8 ? value : 1;
}

bool swapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }

QSize displayedSize(QSize stored, int orientation) { return swapsAxes(orientation) ? stored.transposed() : stored; }

QImage applyOrientation(const QImage& stored, int orientation)
{
    const auto turned = [&](const QImage& image, int degrees) { return image.transformed(QTransform().rotate(degrees)); };
    switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return turned(stored, 180);
    case 4: return stored.mirrored(false, true);
    case 5: return turned(stored, 90).mirrored(true, false);   // transpose
    case 6: return turned(stored, 90);
    case 7: return turned(stored, 90).mirrored(false, true);   // transverse
    case 8: return turned(stored, 270);
    default: return stored;
    }
}

}  // namespace xc
