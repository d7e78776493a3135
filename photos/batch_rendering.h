#pragma once

#include "core/result.h"

#include <QString>

namespace xc {

struct AlbumModel;
class Progress;

// Where the pictures of new row `row` (0-based) wait in the staging folder until the import
// commits them: the framed board thumbnail, the fitted JPEG, and (for the batch's last row) the
// canvas as scratch bitmap.
QString stagedThumbnailPath(const QString& stagingFolder, qsizetype row);
QString stagedFittedPath(const QString& stagingFolder, qsizetype row);
QString stagedScratchPath(const QString& stagingFolder);

// Makes the board thumbnail and the fitted picture of every photo row from `firstNewRow` on into
// the staging folder, decoding each photo once. Photos are worked on by every core; each row's
// pictures depend on that row alone, so the files are the same as those of a sequential run.
// Advances the progress by two steps per row (thumbnail and fitting). On failure the message of
// the first failing row in table order is returned.
Status renderNewRows(const AlbumModel& model, qsizetype firstNewRow, const QString& stagingFolder, Progress& progress);

}  // namespace xc
