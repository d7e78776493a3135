#pragma once

#include "core/records.h"
#include "core/result.h"
#include "photos/thumbnail_service.h"

#include <QString>

namespace xc {

// "heng_zhao" for a picture shown wider than high or square, "shu_zhao" for one shown higher
// than wide.
QString orientationOf(QSize displayed);

// A staging row for a photo file: seq, path, name (the file name without its last four
// characters), ext (with its dot, case kept), the recorded size and the orientation; the
// template columns empty. Reads the header only; a file that is not a JPEG is refused.
Result<PhotoRecord> probeStagingRow(const QString& path, int seq);

}  // namespace xc
