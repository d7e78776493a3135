#pragma once

#include "audio/board_thumbnails.h"
#include "core/album_model.h"
#include "core/progress.h"
#include "core/result.h"
#include "core/workspace.h"

namespace xc {

// The music and lyrics tables as they were before an import began.
struct SongAndLyricsTables {
    RecordTable<MusicRecord> music;
    RecordTable<LyricsRecord> lyrics;
    static SongAndLyricsTables of(const AlbumModel& model) { return {model.music, model.lyrics}; }
};

// The shared end of the music and lyrics imports, once the new rows are appended: pair unbound
// songs and lyrics by position, redraw every thumbnail of the board and show the boards as icons.
// When a thumbnail cannot be saved the tables return to `before` (bindings included).
Status completeImport(AlbumModel& model, const Workspace& workspace, AudioBoard board, const SongAndLyricsTables& before,
                      Progress& progress);

}  // namespace xc
