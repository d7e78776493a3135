#include "render/start_picture.h"

#include "core/album_settings.h"
#include "core/workspace.h"
#include "photos/photo_fitting.h"

#include <QFile>
#include <QImageReader>

namespace xc {

namespace {

const QString designedStartPicture = QStringLiteral("smxcwjj/pictures/start.jpg");

}  // namespace

StartPicture::StartPicture(const Workspace& workspace, const AlbumSettings& settings)
    : StartPicture(workspace.path(paths::exchangePictures), settings)
{
}

StartPicture::StartPicture(const QString& pictureFolder, const AlbumSettings& settings)
    : m_path(pictureFolder + QStringLiteral("picture_0") + settings.ext2),
      m_temporaryPath(pictureFolder + QStringLiteral("picture_0") + settings.ext5)
{
}

Result<QImage> StartPicture::designed(const Workspace& workspace, QSize canvas)
{
    QImageReader reader(workspace.path(designedStartPicture));
    QImage picture = reader.read();
    if (picture.isNull())
        return Result<QImage>::failure(QStringLiteral("无法读取开始画面：%1（%2）")
                                           .arg(reader.fileName(), reader.errorString()));
    if (picture.size() != canvas)
        picture = picture.scaled(canvas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Result<QImage>::success(picture.convertToFormat(QImage::Format_RGB32));
}

Status StartPicture::write(const QImage& picture)
{
    m_current = picture;
    // Written whole under the working name first, so a movie never reads half a picture.
    if (Status written = writeFittedPhoto(picture, m_temporaryPath); !written.ok())
        return written;
    QFile::remove(m_path);
    if (!QFile::rename(m_temporaryPath, m_path))
        return Status::failure(QStringLiteral("无法写入开始画面：%1").arg(m_path));
    return Status::success();
}

void StartPicture::remove() const
{
    QFile::remove(m_path);
    QFile::remove(m_temporaryPath);
}

}  // namespace xc
