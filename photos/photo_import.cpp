#include "photos/photo_import.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "photos/automatic_fitting.h"
#include "photos/batch_rendering.h"
#include "photos/board_thumbnails.h"
#include "photos/photo_fitting.h"
#include "photos/photo_probe.h"
#include "templates/materialisation.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace xc {

namespace {

constexpr int progressStepsPerPhoto = 4;

Status probeBatch(AlbumModel& work, const QStringList& files)
{
    work.staging.clear();
    for (const QString& path : files) {
        const Result<PhotoRecord> row = probeStagingRow(path, int(work.staging.count() + 1));
        if (!row.ok())
            return Status::failure(row.error());
        work.staging.append(row.value());
    }
    return Status::success();
}

bool moveOver(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::rename(from, to);
}

// The files an import writes into the data tree, so a failure after the first of them can take
// them out again.
class BatchFiles {
public:
    BatchFiles(const AlbumModel& before, const Workspace& workspace)
        : m_workspace(workspace), m_firstNewRow(before.photos.count()),
          m_closingExisted(QFile::exists(closingMoviePath(workspace, before.settings)))
    {
        for (const PhotoRecord& row : before.photos)
            m_existingInstances.insert(row.templateFolder);
    }

    Status commit(AlbumModel& work, const QString& stagingFolder, Progress& progress) const
    {
        Status status = materialiseTemplates(work, m_workspace, progress);
        if (status.ok() && !QFile::exists(closingMoviePath(m_workspace, work.settings)))
            status = materialiseClosingTemplate(m_workspace, work.settings);
        if (status.ok())
            status = moveStagedPictures(work, stagingFolder);
        if (!status.ok())
            discard(work);
        return status;
    }

private:
    Status moveStagedPictures(const AlbumModel& work, const QString& stagingFolder) const
    {
        const QString thumbnails = m_workspace.path(paths::photoThumbnails);
        if (Status made = makeFolder(thumbnails); !made.ok())
            return made;
        for (qsizetype row = m_firstNewRow; row < work.photos.count(); ++row) {
            const QString thumbnail = boardThumbnailPath(m_workspace, work.settings, row + 1);
            const QString fitted = fittedPhotoPath(m_workspace, work.settings, work.photos[row]);
            if (!moveOver(stagedThumbnailPath(stagingFolder, row), thumbnail))
                return fileNotWritten(thumbnail);
            if (!moveOver(stagedFittedPath(stagingFolder, row), fitted))
                return fileNotWritten(fitted);
        }
        const QString scratch = importScratchPath(m_workspace, work.settings);
        return moveOver(stagedScratchPath(stagingFolder), scratch) ? Status::success() : fileNotWritten(scratch);
    }

    void discard(const AlbumModel& work) const
    {
        for (qsizetype row = m_firstNewRow; row < work.photos.count(); ++row) {
            QFile::remove(boardThumbnailPath(m_workspace, work.settings, row + 1));
            if (!m_existingInstances.contains(work.photos[row].templateFolder))
                deleteTree(m_workspace, instanceFolderPath(m_workspace, work.photos[row].templateFolder));
        }
        if (!m_closingExisted)
            deleteTree(m_workspace, QFileInfo(closingMoviePath(m_workspace, work.settings)).absolutePath());
    }

    const Workspace& m_workspace;
    qsizetype m_firstNewRow;
    bool m_closingExisted;
    QSet<QString> m_existingInstances;
};

}  // namespace

Status importPhotos(AlbumModel& model, const Workspace& workspace, const QStringList& files, Progress& progress,
                    RandomSource& random)
{
    if (files.isEmpty())
        return Status::success();
    // The batch is worked out on a copy; the album takes it over only when everything is done.
    AlbumModel work = model;
    if (Status probed = probeBatch(work, files); !probed.ok())
        return probed;

    progress.setTotal(int(progressStepsPerPhoto * work.staging.count()));
    if (work.photos.isEmpty())
        work.settings.materialiseSwitch = kw::on;
    const qsizetype firstNewRow = work.photos.count();
    if (Status fitted = fitBatch(work, progress, random); !fitted.ok())
        return fitted;

    // The pictures are made in a staging folder beside the work area, so a photo that cannot be
    // decoded stops the import before anything of the album has changed.
    const QString templateRoot = workspace.path(paths::templateRoot);
    if (Status made = makeFolder(templateRoot); !made.ok())
        return made;
    QTemporaryDir staging(templateRoot + QStringLiteral("dr_XXXXXX"));
    if (!staging.isValid())
        return Status::failure(folderNotCreatedMessage(templateRoot));
    if (Status rendered = renderNewRows(work, firstNewRow, staging.path(), progress); !rendered.ok())
        return rendered;

    if (Status committed = BatchFiles(model, workspace).commit(work, staging.path(), progress); !committed.ok())
        return committed;
    for (qsizetype row = firstNewRow; row < work.photos.count(); ++row) {
        work.photos[row].thumbDone = kw::done;
        work.photos[row].cropDone = kw::done;
    }
    renumberSeq(work.photos);
    work.settings.boardView = kw::boardIcons;
    model = std::move(work);
    return Status::success();
}

}  // namespace xc
