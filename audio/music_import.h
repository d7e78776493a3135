#pragma once

#include "core/album_model.h"
#include "core/progress.h"
#include "core/result.h"
#include "core/workspace.h"

#include <QString>
#include <QStringList>

namespace xc {

// "00:" + minutes + ":" + seconds of a length, from its whole seconds; minutes never wrap into
// hours (4,503 s reads 00:75:03).
QString musicDurationText(qint64 lengthMs);
// The frames a song needs: its whole seconds × 25 (59.9 s gives 1475).
QString musicFrameCount(qint64 lengthMs);

// Music import: measures every file first (a file that cannot be opened or measured stops the
// import with a notice naming it, and nothing is added), then appends one row per file, pairs
// unbound songs with unbound lyrics at the same position, redraws every music thumbnail and
// switches the boards to icon view. On a failure the tables stay as they were.
Status importMusic(AlbumModel& model, const Workspace& workspace, const QStringList& files,
                   Progress& progress = noProgress());

}  // namespace xc
