#include "render/photo_preview_area.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/workspace.h"
#include "photos/photo_fitting.h"
#include "render/start_picture.h"
#include "templates/materialisation.h"

#include <QFile>
#include <QImageReader>

namespace xc {

namespace {

Status copyFile(const QString& from, const QString& to)
{
    if (!QFile::exists(from))
        return Status::failure(QStringLiteral("找不到模板文件：%1").arg(from));
    QFile::remove(to);
    return QFile::copy(from, to) ? Status::success() : fileNotWritten(to);
}

}  // namespace

QSize PhotoPreviewArea::previewPictureSize(QSize fitted)
{
    return QSize(fitted.width() * previewSize.width() / 1920, fitted.height() * previewSize.height() / 1080);
}

PhotoPreviewArea::PhotoPreviewArea(const Workspace& workspace, const AlbumSettings& settings)
    : m_workspace(workspace), m_settings(settings), m_root(workspace.path(paths::previewArea))
{
}

QString PhotoPreviewArea::closingMoviePath() const
{
    return m_root + QStringLiteral("tp_wjj/wj_yl_xg_zuihou/wj_yl_xg_zuihou") + m_settings.ext1;
}

Status PhotoPreviewArea::prepare(const AlbumModel& model, qsizetype row)
{
    const PhotoRecord& photo = model.photos[row];
    const QString instance = photo.templateFolder;
    const QString instanceFolder = m_root + QStringLiteral("tp_wjj/wj_yl_xg") + instance + QLatin1Char('/');
    m_instanceMovie = instanceFolder + QStringLiteral("wj_yl_xg_") + instance + m_settings.ext1;

    deleteTree(m_workspace, m_workspace.path(paths::previewRoot));
    for (const QString& folder : {m_root + QStringLiteral("pic/"), m_root + QStringLiteral("tp_wjj/wj_yl_xg_zuihou/"), instanceFolder})
        if (Status made = makeFolder(folder); !made.ok())
            return made;
    if (Status copied = copyFile(xc::closingMoviePath(m_workspace, m_settings), closingMoviePath()); !copied.ok())
        return copied;
    const QString albumFolder = instanceFolderPath(m_workspace, instance);
    if (Status copied = copyFile(albumFolder + instanceMovieName(instance, m_settings.ext1), m_instanceMovie); !copied.ok())
        return copied;

    const int slots = photo.templatePhotoCount.toInt();
    for (int k = 1; k <= slots; ++k) {
        const QString name = QStringLiteral("picture_%1").arg(k) + m_settings.ext2;
        if (!QFile::exists(albumFolder + name))
            continue;  // an empty slot stays empty, as in the album
        // Fitted pictures are JPEG under another extension: read them by their content.
        QImageReader reader(albumFolder + name);
        reader.setDecideFormatFromContent(true);
        const QImage fitted = reader.read();
        if (fitted.isNull())
            return Status::failure(QStringLiteral("无法读取相片文件：%1（%2）").arg(albumFolder + name, reader.errorString()));
        const QImage scaled = fitted.scaled(previewPictureSize(fitted.size()).expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
        if (Status written = writeFittedPhoto(scaled, instanceFolder + name); !written.ok())
            return written;
    }
    return Status::success();
}

Status PhotoPreviewArea::writeStartPicture(const QImage& picture) const
{
    return StartPicture(m_root + QStringLiteral("pic/"), m_settings).write(picture);
}

Status PhotoPreviewArea::writeDesignedStartPicture(QSize size) const
{
    const Result<QImage> designed = StartPicture::designed(m_workspace, size);
    if (designed.ok())
        return writeStartPicture(designed.value());
    QImage black(size, QImage::Format_RGB32);
    black.fill(Qt::black);
    return writeStartPicture(black);
}

void PhotoPreviewArea::remove() const
{
    deleteTree(m_workspace, m_workspace.path(paths::previewRoot));
}

}  // namespace xc
