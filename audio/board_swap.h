#pragma once

#include "core/album_model.h"
#include "core/workspace.h"

namespace xc {

// A tile dropped on another swaps the two rows: their thumbnails exchange names (through the
// board's parking name) and the rows exchange every field, bindings and styles included; the
// sequence numbers are renumbered.
void swapSongs(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b);
void swapLyrics(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b);

}  // namespace xc
