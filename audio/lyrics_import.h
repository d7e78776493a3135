#pragma once

#include "core/album_model.h"
#include "core/progress.h"
#include "core/result.h"
#include "core/workspace.h"

#include <QStringList>

namespace xc {

// Lyrics import: appends one row per LRC file with the default lyric style, pairs unbound lyrics
// with unbound songs at the same position, redraws every lyrics thumbnail and switches the boards
// to icon view. The files are only checked to be readable (their lines are read when they are
// shown); a file that is not stops the import with a notice naming it and nothing is added.
Status importLyrics(AlbumModel& model, const Workspace& workspace, const QStringList& files,
                    Progress& progress = noProgress());

}  // namespace xc
