#pragma once

#include "audio/lrc_reader.h"
#include "core/album_model.h"
#include "core/result.h"
#include "core/workspace.h"

namespace xc {

// Deleting songs and lyrics keeps the album consistent: bindings to the removed rows are cleared
// on the other side, the remaining rows are renumbered and the thumbnail files follow the rows.
// The user's own files are never touched.

// Deletes song `row` (0-based): its thumbnail is removed and the others renamed to their new row
// numbers; every lyrics row holding the song's key becomes unbound (even when other songs share
// it). Deleting the last song resets the album-length options.
void deleteSong(AlbumModel& model, const Workspace& workspace, qsizetype row);

// Deletes every song: every lyrics row becomes unbound, the music thumbnail folder is recreated
// empty and the album-length options return to their defaults. Fails only when the folder cannot
// be created again.
Status deleteAllSongs(AlbumModel& model, const Workspace& workspace);

// Deletes lyrics row `row`: every song holding its key becomes unbound. When no lyrics are left,
// the timed-line table is emptied too.
void deleteLyrics(AlbumModel& model, const Workspace& workspace, qsizetype row, LrcTimedLines& timedLines);

// Deletes every lyrics row: every song becomes unbound, the lyrics thumbnail folder is recreated
// empty and the timed-line table is emptied.
Status deleteAllLyrics(AlbumModel& model, const Workspace& workspace, LrcTimedLines& timedLines);

// The album-length options as they are with no songs: the photos set the length, no looping.
void resetAlbumLengthOptions(AlbumSettings& settings);

}  // namespace xc
