#include "audio/music_lyrics_deletion.h"

#include "audio/binding.h"
#include "audio/board_thumbnails.h"
#include "core/file_ops.h"

#include <QFile>

namespace xc {

namespace {

// Removes thumbnail `deleted` (1-based) of a board that had `oldCount` rows and moves each later
// one down a number, in ascending order, so every rename lands on a name just vacated.
void renumberThumbnails(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board,
                        qsizetype deleted, qsizetype oldCount)
{
    QFile::remove(boardThumbnailPath(workspace, settings, board, deleted));
    for (qsizetype n = deleted + 1; n <= oldCount; ++n)
        renameIfExists(boardThumbnailPath(workspace, settings, board, n), boardThumbnailPath(workspace, settings, board, n - 1));
}

}  // namespace

void resetAlbumLengthOptions(AlbumSettings& settings)
{
    settings.syncMode = kw::syncPhotos;
    settings.loopMusic = false;
    settings.loopPictures = false;
}

void deleteSong(AlbumModel& model, const Workspace& workspace, qsizetype row)
{
    const qsizetype oldCount = model.music.count();
    renumberThumbnails(workspace, model.settings, AudioBoard::Music, row + 1, oldCount);
    // An unbound song holds "wu", which matches only lyrics that are unbound already.
    // Unlike unbinding a song, deleting it unbinds its lyrics even when other songs share them.
    unbindLyricsWithKey(model, model.music[row].lyricsKey);
    model.music.remove(row);
    renumberSeq(model.music);
    model.settings.selectedId = kw::none;
    if (model.music.isEmpty())
        resetAlbumLengthOptions(model.settings);
}

Status deleteAllSongs(AlbumModel& model, const Workspace& workspace)
{
    unbindAll(model);
    model.music.clear();
    model.settings.selectedId = kw::none;
    resetAlbumLengthOptions(model.settings);
    const QString folder = boardThumbnailFolder(workspace, AudioBoard::Music);
    return recreateFolder(workspace, folder);
}

void deleteLyrics(AlbumModel& model, const Workspace& workspace, qsizetype row, LrcTimedLines& timedLines)
{
    const qsizetype oldCount = model.lyrics.count();
    renumberThumbnails(workspace, model.settings, AudioBoard::Lyrics, row + 1, oldCount);
    unbindLyrics(model, row);
    model.lyrics.remove(row);
    renumberSeq(model.lyrics);
    model.settings.selectedId = kw::none;
    if (model.lyrics.isEmpty())
        timedLines.clear();
}

Status deleteAllLyrics(AlbumModel& model, const Workspace& workspace, LrcTimedLines& timedLines)
{
    unbindAll(model);
    model.lyrics.clear();
    timedLines.clear();
    model.settings.selectedId = kw::none;
    const QString folder = boardThumbnailFolder(workspace, AudioBoard::Lyrics);
    return recreateFolder(workspace, folder);
}

}  // namespace xc
