#include "audio/board_swap.h"

#include "audio/board_thumbnails.h"
#include "core/file_ops.h"

#include <utility>

namespace xc {

namespace {

template <typename Record>
void swapRows(RecordTable<Record>& table, const Workspace& workspace, const AlbumSettings& settings, AudioBoard board,
              qsizetype a, qsizetype b)
{
    if (a == b)
        return;
    swapNames(boardThumbnailPath(workspace, settings, board, a + 1), boardThumbnailPath(workspace, settings, board, b + 1),
              boardSwapParkingPath(workspace, settings, board));
    std::swap(table[a], table[b]);
    renumberSeq(table);
}

}  // namespace

void swapSongs(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b)
{
    swapRows(model.music, workspace, model.settings, AudioBoard::Music, a, b);
}

void swapLyrics(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b)
{
    swapRows(model.lyrics, workspace, model.settings, AudioBoard::Lyrics, a, b);
}

}  // namespace xc
