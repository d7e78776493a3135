// The JPEG probe with its EXIF orientation, and a small decode of what it accepts.
#include "fuzz/fuzz_support.h"
#include "photos/exif_orientation.h"
#include "photos/thumbnail_service.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray jpeg = xc::fuzz::bytesOf(data, size);
    xc::exifOrientation(jpeg);
    const xc::Result<xc::PhotoInfo> info = xc::probePhoto(QStringLiteral("fuzz.jpg"), jpeg);
    // A decode only of modest pictures, so one input cannot take the fuzzer's memory.
    if (info.ok() && qint64(info.value().decoded.width()) * info.value().decoded.height() <= 4096 * 4096)
        xc::decodeDisplayed(QStringLiteral("fuzz.jpg"), jpeg, info.value(), QSize(64, 64));
    return 0;
}
