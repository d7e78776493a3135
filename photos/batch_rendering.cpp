#include "photos/batch_rendering.h"

#include "core/album_model.h"
#include "core/progress.h"
#include "photos/board_thumbnails.h"
#include "photos/photo_fitting.h"
#include "photos/photo_rendering.h"

#include <atomic>
#include <thread>
#include <vector>

namespace xc {

namespace {

// Steps of the import's progress per photo rendered: its thumbnail and its fitting.
constexpr int stepsPerPhoto = 2;

Status renderRow(const AlbumModel& model, qsizetype row, bool lastRow, const QString& stagingFolder)
{
    const PhotoRecord& photo = model.photos[row];
    PhotoRenderRequest request;
    request.fit = importFitGeometry(photo, model.settings);
    request.thumbnailSize = boardThumbnailSize({photo.width.toInt(), photo.height.toInt()}, model.settings);
    const Result<RenderedPhoto> rendered = renderPhotoFile(photo.path, request);
    if (!rendered.ok())
        return Status::failure(rendered.error());
    if (Status saved = saveBoardThumbnail(rendered.value().thumbnail, stagedThumbnailPath(stagingFolder, row)); !saved.ok())
        return saved;
    if (Status fitted = writeFittedPhoto(rendered.value().canvas, stagedFittedPath(stagingFolder, row)); !fitted.ok())
        return fitted;
    // The scratch bitmap is overwritten by every photo; only the last one's stays.
    return lastRow ? writeScratchBitmap(rendered.value().canvas, stagedScratchPath(stagingFolder)) : Status::success();
}

}  // namespace

QString stagedThumbnailPath(const QString& stagingFolder, qsizetype row)
{
    return stagingFolder + QStringLiteral("/thumbnail_") + QString::number(row);
}

QString stagedFittedPath(const QString& stagingFolder, qsizetype row)
{
    return stagingFolder + QStringLiteral("/fitted_") + QString::number(row);
}

QString stagedScratchPath(const QString& stagingFolder) { return stagingFolder + QStringLiteral("/scratch"); }

Status renderNewRows(const AlbumModel& model, qsizetype firstNewRow, const QString& stagingFolder, Progress& progress)
{
    const qsizetype count = model.photos.count() - firstNewRow;
    std::vector<Status> results(std::size_t(count), Status::success());
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> finished{0};
    std::atomic<qsizetype> firstFailure{count};

    // Takes the next row; false when none is left. Rows after a failed one are skipped, rows
    // before it still run, so the reported failure is the first in table order.
    const auto takeRow = [&] {
        const qsizetype i = next++;
        if (i >= count)
            return false;
        if (i < firstFailure.load()) {
            results[std::size_t(i)] = renderRow(model, firstNewRow + i, i == count - 1, stagingFolder);
            qsizetype seen = firstFailure.load();
            while (!results[std::size_t(i)].ok() && i < seen && !firstFailure.compare_exchange_weak(seen, i)) {
            }
        }
        ++finished;
        return true;
    };

    qsizetype reported = 0;
    const auto report = [&] {
        const qsizetype done = finished.load();
        progress.advance(int((done - reported) * stepsPerPhoto));
        reported = done;
    };
    const qsizetype helpers = std::min<qsizetype>(count - 1, qsizetype(std::thread::hardware_concurrency()) - 1);
    {
        std::vector<std::jthread> threads;
        for (qsizetype h = 0; h < helpers; ++h)
            threads.emplace_back([&] { while (takeRow()) {} });
        // The calling thread works too and reports the progress between its own rows.
        while (takeRow())
            report();
    }
    report();

    const qsizetype failed = firstFailure.load();
    return failed < count ? results[std::size_t(failed)] : Status::success();
}

}  // namespace xc
