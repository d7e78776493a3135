#include "core/album_model.h"
#include "core/board_views.h"

#include <gtest/gtest.h>

using namespace xc;

TEST(AlbumModel, TablesHaveTheirColumnLayouts)
{
    AlbumModel model;
    EXPECT_EQ(model.photos.layout().size(), 23u);
    EXPECT_EQ(model.catalogue.layout().size(), 12u);
    EXPECT_EQ(model.landscapeTemplates.layout().size(), 14u);
    EXPECT_EQ(model.music.layout().size(), 8u);
    EXPECT_EQ(model.lyrics.layout().size(), 15u);
    EXPECT_EQ(model.karaoke.layout().size(), 13u);
    EXPECT_EQ(model.textEffects.layout().size(), 15u);
    EXPECT_EQ(model.pictureEffects.layout().size(), 12u);

    // Column 10 is the frame count in the catalogue but the landscape slot count in the lists.
    EXPECT_STREQ(model.catalogue.layout()[10].id, "frames");
    EXPECT_STREQ(model.landscapeTemplates.layout()[10].id, "landscapeSlots");
    EXPECT_STREQ(model.landscapeTemplates.layout()[12].id, "frames");
}

TEST(AlbumModel, GetAndSetAddressColumnsByNumber)
{
    PhotoTable photos;
    photos.append(PhotoRecord{});
    photos.set(0, 7, QStringLiteral("3"));
    photos.set(0, 21, kw::done);
    EXPECT_EQ(photos[0].templateFolder, "3");
    EXPECT_EQ(photos[0].cropDone, kw::done);
    EXPECT_EQ(photos.get(0, 7), "3");
    EXPECT_EQ(photos.values(0).size(), 23);

    TemplateList catalogue(TemplateRecord::catalogueLayout());
    catalogue.append(TemplateRecord{});
    catalogue.set(0, 10, QStringLiteral("125"));
    EXPECT_EQ(catalogue[0].frames, "125");
}

TEST(AlbumModel, SettingsStartAtTheirDefaults)
{
    const AlbumSettings s;
    EXPECT_EQ(s.outputKind, "DVD");
    EXPECT_EQ(s.tvSystem, "PAL");
    EXPECT_EQ(s.quality, "gaoqing_huazhi");
    EXPECT_EQ(s.syncMode, "sui_zhaopian_tongbu");
    EXPECT_EQ(s.templateCounter, "0");
    EXPECT_EQ(s.materialiseSwitch, "kai");
    EXPECT_EQ(s.ext1 + s.ext5 + s.ext6 + s.ext7, ".rar.jpg.png.bmp");
    EXPECT_EQ(s.selectedId, "wu");
}

TEST(BoardViews, RowsAreDerivedFromTheTables)
{
    AlbumModel model;
    PhotoRecord photo;
    photo.name = "Beach";
    photo.ext = ".JPG";
    photo.width = "4000";
    photo.height = "3000";
    photo.orientation = kw::portraitPhoto;
    photo.path = "/Photos/Beach.JPG";
    model.photos.append(photo);
    EXPECT_EQ(photoListView(model).first(),
              (QStringList{"1", "Beach", ".jpg", "4000", "3000", "竖照片", "已绑定", "/photos/beach.jpg"}));

    LyricsRecord lyrics;
    lyrics.name = "song";
    lyrics.musicName = kw::none;
    lyrics.bold = kw::bold;
    lyrics.underline = kw::underline;
    lyrics.italic = kw::none;
    lyrics.hAlign = kw::alignCentre;
    lyrics.vAlign = kw::alignBottom;
    model.lyrics.append(lyrics);
    const QStringList row = lyricsListView(model).first();
    EXPECT_EQ(row[4], "未绑定音乐");
    EXPECT_EQ(row[8], "[粗体][下划线]");
    EXPECT_EQ(row[9], "歌词居中");
    EXPECT_EQ(row[10], "歌词在下面");

    MusicRecord song;
    song.lyricsName = kw::none;
    model.music.append(song);
    EXPECT_EQ(musicListView(model).first().last(), "未绑定歌词");
}
