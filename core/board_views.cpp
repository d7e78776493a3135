#include "core/board_views.h"

namespace xc {

QStringList photoListColumns()
{
    return {"序号", "文件名", "类型", "相片宽度", "相片高度", "竖照或横照", "模板绑定", "文件位置"};
}

QStringList musicListColumns()
{
    return {"序号", "音乐文件名", "音乐类型", "音乐时间", "音乐文件位置", "绑定歌词"};
}

QStringList lyricsListColumns()
{
    return {"序号", "歌词文件名", "歌词类型", "歌词文件位置", "绑定音乐", "歌词颜色",
            "歌词大小", "歌词字体", "歌词字体类型", "歌词左中右", "歌词上中下"};
}

QStringList photoListRow(const PhotoRecord& photo, qsizetype row)
{
    const QString orientation = photo.orientation == kw::landscapePhoto ? QStringLiteral("横照片")
                              : photo.orientation == kw::portraitPhoto  ? QStringLiteral("竖照片")
                                                                        : QString();
    return {QString::number(row + 1), photo.name,  photo.ext.toLower(), photo.width,
            photo.height,             orientation, QStringLiteral("已绑定"), photo.path.toLower()};
}

QStringList musicListRow(const MusicRecord& song, qsizetype row)
{
    const QString lyrics = song.lyricsName == kw::none ? QStringLiteral("未绑定歌词") : song.lyricsName;
    return {QString::number(row + 1), song.name, song.ext, song.duration, song.path, lyrics};
}

QStringList lyricsListRow(const LyricsRecord& lyrics, qsizetype row)
{
    const QString music = lyrics.musicName == kw::none ? QStringLiteral("未绑定音乐") : lyrics.musicName;
    QString styles;
    if (lyrics.bold == kw::bold)
        styles += QStringLiteral("[粗体]");
    if (lyrics.italic == kw::italic)
        styles += QStringLiteral("[斜体]");
    if (lyrics.underline == kw::underline)
        styles += QStringLiteral("[下划线]");
    const QString hAlign = lyrics.hAlign == kw::alignLeft    ? QStringLiteral("歌词左边")
                         : lyrics.hAlign == kw::alignRight   ? QStringLiteral("歌词右边")
                                                             : QStringLiteral("歌词居中");
    const QString vAlign = lyrics.vAlign == kw::alignTop     ? QStringLiteral("歌词在上面")
                         : lyrics.vAlign == kw::alignMiddle  ? QStringLiteral("歌词在中间")
                                                             : QStringLiteral("歌词在下面");
    return {QString::number(row + 1), lyrics.name,     lyrics.ext,      lyrics.path,
            music,                    lyrics.colorName, lyrics.fontSize, lyrics.fontName,
            styles,                   hAlign,          vAlign};
}

template <typename Record, typename RowFn>
static ListViewRows buildView(const RecordTable<Record>& table, RowFn rowFn)
{
    ListViewRows rows;
    for (qsizetype i = 0; i < table.count(); ++i)
        rows << rowFn(table[i], i);
    return rows;
}

ListViewRows photoListView(const AlbumModel& model) { return buildView(model.photos, photoListRow); }
ListViewRows musicListView(const AlbumModel& model) { return buildView(model.music, musicListRow); }
ListViewRows lyricsListView(const AlbumModel& model) { return buildView(model.lyrics, lyricsListRow); }

}  // namespace xc
