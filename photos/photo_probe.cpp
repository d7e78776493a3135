#include "photos/photo_probe.h"

#include "core/keywords.h"

#include <QFileInfo>

namespace xc {

QString orientationOf(QSize displayed)
{
    return displayed.width() < displayed.height() ? kw::portraitPhoto : kw::landscapePhoto;
}

Result<PhotoRecord> probeStagingRow(const QString& path, int seq)
{
    const Result<PhotoInfo> info = probePhotoFile(path);
    if (!info.ok())
        return Result<PhotoRecord>::failure(info.error());
    const QFileInfo file(path);
    const QString fileName = file.fileName();
    // The recorded size is the shown one: an EXIF turn that exchanges the axes exchanges them.
    const QSize size = info.value().displayed;
    PhotoRecord row;
    row.seq = QString::number(seq);
    row.path = path;
    row.name = fileName.chopped(std::min<qsizetype>(4, fileName.size()));
    row.ext = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    row.width = QString::number(size.width());
    row.height = QString::number(size.height());
    row.orientation = orientationOf(info.value().displayed);
    return Result<PhotoRecord>::success(row);
}

}  // namespace xc
