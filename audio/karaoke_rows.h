#pragma once

#include "core/album_model.h"
#include "core/board_views.h"
#include "core/result.h"

#include <QList>
#include <QStringList>

namespace xc {

// Imports karaoke scripts: one row per file with the default karaoke style. Scripts are read when
// they are shown; here each file is only checked to be readable, and a file that is not stops the
// import with a notice naming it (nothing is added).
Status importKaraokeScripts(AlbumModel& model, const QStringList& files);

// Deletes the given rows (0-based, in any order) and renumbers the rest; returns the notice.
QString deleteKaraokeRows(AlbumModel& model, QList<qsizetype> rows);
// Deletes every karaoke row; returns the notice.
QString deleteAllKaraokeRows(AlbumModel& model);

// The karaoke manager's list: sequence number, name, lyric colour, highlight colour, font, size,
// "使用"/"无" for bold, italic and underline, path, "简体"/"繁体".
ListViewRows karaokeManagerRows(const AlbumModel& model);

}  // namespace xc
