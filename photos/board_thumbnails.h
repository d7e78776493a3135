#pragma once

#include "core/result.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace xc {

struct AlbumSettings;
class Workspace;

// The board tile minus this margin is the box a board thumbnail is fitted into.
inline constexpr int thumbnailTileMargin = 30;

// "smxcwjj/tp_wj/tp_slt_1/tp_slt_1_" + row + ext7, row 1-based.
QString boardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, qsizetype row);

// The parking name of row's thumbnail while thumbnails change numbers: row + "_tp_slt_1_" + row + ext7.
QString parkedBoardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, qsizetype row);

// The size of a photo's board thumbnail: the tile box (tile size minus 30, 150 × 150 by default)
// with the photo's shown size fitted into it, the longer side filling the box.
QSize boardThumbnailSize(QSize displayed, const AlbumSettings& settings);

// Saves a framed thumbnail as the bitmap of that row.
Status saveBoardThumbnail(const QImage& framed, const QString& path);

// Row `row` (1-based) of `count` left the table: its thumbnail goes and every later one moves
// down by one number.
void removeBoardThumbnail(const Workspace& workspace, const AlbumSettings& settings, qsizetype row, qsizetype count);

// The rows were reordered; formerRows[j] is the 1-based row number that the photo now at row
// j + 1 had before. Every thumbnail follows its photo, through parking names.
void reorderBoardThumbnails(const Workspace& workspace, const AlbumSettings& settings, const QList<qsizetype>& formerRows);

}  // namespace xc
