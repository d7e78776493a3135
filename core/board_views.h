#pragma once

#include "core/album_model.h"

#include <QList>
#include <QStringList>

namespace xc {

// The list forms of the three boards, derived from the tables; they hold nothing of their own.
using ListViewRows = QList<QStringList>;

QStringList photoListColumns();
QStringList musicListColumns();
QStringList lyricsListColumns();

ListViewRows photoListView(const AlbumModel& model);   // suiListView_xiangpian_liebiao
ListViewRows musicListView(const AlbumModel& model);   // suiListView_yinyue_liebiao
ListViewRows lyricsListView(const AlbumModel& model);  // suiListView_geci_liebiao

QStringList photoListRow(const PhotoRecord& photo, qsizetype row);
QStringList musicListRow(const MusicRecord& song, qsizetype row);
QStringList lyricsListRow(const LyricsRecord& lyrics, qsizetype row);

}  // namespace xc
