#pragma once

#include "core/album_settings.h"
#include "core/progress.h"
#include "core/result.h"
#include "core/workspace.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace xc {

enum class AudioBoard { Music, Lyrics };

// Thumbnail of row `number` (1-based) of a board: "tp_slt_2_<number>" (music) or
// "tp_slt_3_<number>" (lyrics) with the thumbnail extension, in the board's thumbnail folder.
QString boardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board, qsizetype number);
// Where one thumbnail waits while two swap names ("tp_slt_2_000").
QString boardSwapParkingPath(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board);
// The board's thumbnail folder.
QString boardThumbnailFolder(const Workspace& workspace, AudioBoard board);

// The 130 × 115 tile of a song or lyrics file: the board's background picture with the name in
// white at the bottom, centred, or left-aligned (and cut) when it is too wide for the tile.
QImage drawBoardTile(AudioBoard board, const QString& name);

// Draws the tile and saves it as thumbnail `number`, replacing the file there.
Status saveBoardTile(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board, qsizetype number,
                     const QString& name);

// Redraws the thumbnails 1 … n of a board from the rows' names, advancing the progress per tile.
Status redrawBoardTiles(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board,
                        const QStringList& names, Progress& progress);

}  // namespace xc
