#include "render/lyrics_type_choice.h"
#include "render/output_settings.h"

#include "core/album_model.h"
#include "core/keywords.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace xc {
namespace {

TEST(OutputSettings, LaunchersAndTheirFilters)
{
    ASSERT_EQ(videoLaunchers().size(), 5);
    EXPECT_EQ(videoLauncher(kw::kindDvd)->saveFilter(), QStringLiteral("DVD 格式相册|*.mpg"));
    EXPECT_EQ(videoLauncher(kw::kindAvi)->saveFilter(), QStringLiteral("AVI 格式相册|*.avi"));
    EXPECT_EQ(videoLauncher(kw::kindMp4)->saveFilter(), QStringLiteral("MP4 格式相册|*.mp4"));
    EXPECT_FALSE(videoLauncher(kw::kindImages));
}

TEST(OutputSettings, ExtensionIsAppendedOnlyWhenMissing)
{
    const VideoLauncher dvd = *videoLauncher(kw::kindDvd);
    EXPECT_EQ(videoOutputPath(dvd, QStringLiteral("/out/album")), QStringLiteral("/out/album.mpg"));
    EXPECT_EQ(videoOutputPath(dvd, QStringLiteral("/out/album.mpg")), QStringLiteral("/out/album.mpg"));
    EXPECT_EQ(videoOutputPath(dvd, QStringLiteral("/out/album.MPG")), QStringLiteral("/out/album.MPG"));
    EXPECT_EQ(videoOutputPath(dvd, QStringLiteral("/out/album.avi")), QStringLiteral("/out/album.avi.mpg"));
    EXPECT_EQ(videoOutputDisplayName(QStringLiteral("/out/我的相册.mpg")), QStringLiteral("我的相册"));
}

TEST(OutputSettings, SizeListsAndDefaults)
{
    const OutputSizeList vcd = outputSizeList(kw::kindVcd);
    EXPECT_EQ(vcd.sizes.size(), 5);
    EXPECT_EQ(vcd.defaultSize(), QSize(1280, 720));
    for (const QString& kind : {kw::kindSvcd, kw::kindDvd, kw::kindAvi, kw::kindImages}) {
        const OutputSizeList list = outputSizeList(kind);
        EXPECT_EQ(list.sizes.size(), kind == kw::kindDvd ? 10 : 8);  // DVD adds the disc's two sizes
        EXPECT_EQ(list.sizes[5], QSize(1440, 816));
        EXPECT_EQ(list.defaultSize(), QSize(1920, 1080));
    }
    EXPECT_EQ(outputSizeList(kw::kindDvd).sizes.mid(8), (QList<QSize>{{720, 576}, {720, 480}}));
    EXPECT_EQ(outputSizeEntry({800, 480}), QStringLiteral("800 × 480"));
    EXPECT_EQ(outputSizeEntry({720, 576}), QStringLiteral("720 × 576（DVD光盘 PAL）"));
}

TEST(OutputSettings, NoPhotosNoRender)
{
    AlbumModel model;
    EXPECT_EQ(checkPhotosPresent(model).error(), QStringLiteral("没有添加相片文件！"));
    model.photos.append(PhotoRecord{});
    EXPECT_TRUE(checkPhotosPresent(model).ok());
}

TEST(OutputSettings, ImageSequenceFolderMustBeNew)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/a/b/album");
    const Result<QString> path = prepareImageSequenceFolder(folder, QStringLiteral("JPG"));
    ASSERT_TRUE(path.ok());
    EXPECT_EQ(path.value(), folder + QStringLiteral("/01.JPG"));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(prepareImageSequenceFolder(folder, QStringLiteral("JPG")).error(),
              QStringLiteral("输入的文件名存在, 请更换保存的文件名！"));
    EXPECT_EQ(imageSequenceFormats().first(), QStringLiteral("JPG"));
    EXPECT_EQ(imageSequenceSaveFilter(QStringLiteral("PCX")), QStringLiteral("生成 PCX 序列图片|*.PCX"));
}

TEST(LyricsTypeChoice, AskedOnlyWithSongsAndKaraoke)
{
    AlbumModel model;
    model.lyrics.append(LyricsRecord{});
    model.music.append(MusicRecord{});
    EXPECT_FALSE(lyricsTypeChoiceNeeded(model));
    // Without karaoke rows the LRC lines show whatever the choice says.
    EXPECT_TRUE(lrcLinesShown(model, lyricsType::karaoke));
    EXPECT_FALSE(karaokeShown(model, lyricsType::both));

    model.karaoke.append(KaraokeStyleRecord{});
    EXPECT_TRUE(lyricsTypeChoiceNeeded(model));
    EXPECT_FALSE(lrcLinesShown(model, lyricsType::karaoke));
    EXPECT_TRUE(karaokeShown(model, lyricsType::karaoke));
    EXPECT_TRUE(lrcLinesShown(model, lyricsType::both));
    EXPECT_TRUE(karaokeShown(model, lyricsType::both));
    EXPECT_FALSE(karaokeShown(model, lyricsType::lrc));
}

}  // namespace
}  // namespace xc
