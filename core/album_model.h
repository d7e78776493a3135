#pragma once

#include "core/album_settings.h"
#include "core/record_table.h"
#include "core/records.h"

#include <QStringList>

namespace xc {

using PhotoTable = RecordTable<PhotoRecord>;
using TemplateList = RecordTable<TemplateRecord>;

// Everything of one album: the record tables, the template catalogue and the settings.
// Nothing of it is saved; each run starts from a default-constructed model.
struct AlbumModel {
    PhotoTable photos;           // ListView_daoruxiangpian
    PhotoTable staging;          // ListView_daoruxiangpianchuli (columns 0-19 used)
    PhotoTable photoSwap;        // ListView_daoruxiangpian_tuodong_linshi

    TemplateList catalogue{TemplateRecord::catalogueLayout()};  // ListView_mobancanshu
    TemplateList landscapeTemplates;   // ListView_hengzhaopian
    TemplateList portraitTemplates;    // ListView_shuzhaopian
    TemplateList advancedTemplates;    // ListView_gaojimoban
    TemplateList landscapePool;        // ListView_hengzhaopian_suijishu
    TemplateList landscapeSinglePool;  // ListView_hengzhaopian_suijishu_wei_1
    TemplateList portraitPool;         // ListView_shuzhaopian_suijishu
    TemplateList portraitSinglePool;   // ListView_shuzhaopian_suijishu_wei_1

    // Package scan lists.
    QStringList scanPaths;        // ListBox_saomiaomobanwenjian
    QStringList scanNumbering;    // ListBox_saomiaomobanwenjian_bianhao
    QStringList scanParameters;   // ListBox_saomiaomobanwenjian_ini
    QStringList scanMovies;       // ListBox_saomiaomobanwenjian_swf

    RecordTable<MusicRecord> music;             // ListView_daoru_yinyue
    RecordTable<LyricsRecord> lyrics;           // ListView_daoru_LRC
    RecordTable<KaraokeStyleRecord> karaoke;    // suiListView_ksc
    RecordTable<TextEffectRecord> textEffects;  // ListView_Label
    RecordTable<PictureEffectRecord> pictureEffects;  // ListView_Image

    AlbumSettings settings;
};

// Sets the sequence column of every row to its 1-based position.
template <typename Record>
void renumberSeq(RecordTable<Record>& table)
{
    for (qsizetype i = 0; i < table.count(); ++i)
        table[i].seq = QString::number(i + 1);
}

}  // namespace xc
