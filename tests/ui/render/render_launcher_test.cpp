#include "ui/render/render_launcher.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"
#include "tests/ui/support/recording_render_windows.h"
#include "ui/render/render_window.h"
#include "ui/render/settings_windows.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

// One sample photo in a copy of the built data tree: the smallest album with real templates.
struct OnePhotoAlbum {
    OnePhotoAlbum() : launcher(model, tree.workspace(), dialogs, nullptr)
    {
        startUp(model, tree.workspace());
        const std::unique_ptr<RandomSource> random = seededRandomSource(5);
        const Status imported = importPhotos(model, tree.workspace(), {test::builtPath(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg"))},
                                             noProgress(), *random);
        EXPECT_TRUE(imported.ok()) << imported.error().toStdString();
        launcher.setWindows(windows);
        windows.output = OutputChoice{QSize(1920, 1080), QStringLiteral("JPG")};
    }

    QString out(const QString& name) const { return output.filePath(name); }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    QTemporaryDir output;
    AlbumModel model;
    test::RecordingDialogs dialogs;
    test::RecordingRenderWindows windows;
    RenderLauncher launcher;
};

TEST(RenderLauncher, MakesTheAlbumUnderTheChosenNameWithItsExtension)
{
    OnePhotoAlbum album;
    album.dialogs.saveName = album.out(QStringLiteral("假日"));
    album.launcher.makeVideo(kw::kindDvd);
    EXPECT_EQ(album.windows.opened, (QStringList{QStringLiteral("output DVD"), QStringLiteral("render 假日")}));
    EXPECT_EQ(album.dialogs.saveFilters, QStringList{QStringLiteral("DVD 格式相册|*.mpg")});
    EXPECT_TRUE(album.dialogs.messages.isEmpty()) << album.dialogs.messages.join(' ').toStdString();
    EXPECT_GT(QFileInfo(album.out(QStringLiteral("假日.mpg"))).size(), 0);
    EXPECT_EQ(album.model.settings.outputKind, kw::kindDvd);
    EXPECT_TRUE(QDir(album.tree.path(paths::renderScratch)).isEmpty());  // working files gone
}

TEST(RenderLauncher, AFailedRenderIsToldAndLeavesNoFile)
{
    OnePhotoAlbum album;
    QFile blocker(album.out(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    album.dialogs.saveName = album.out(QStringLiteral("not-a-folder/album"));  // a file stands where the folder should be
    album.launcher.makeVideo(kw::kindMp4);
    ASSERT_EQ(album.dialogs.messages.size(), 1);
    EXPECT_FALSE(album.dialogs.messages[0].isEmpty());
    EXPECT_FALSE(QFile::exists(album.out(QStringLiteral("not-a-folder/album.mp4"))));
    EXPECT_TRUE(QDir(album.tree.path(paths::renderScratch)).isEmpty());
}

TEST(RenderLauncher, StopsBeforeRenderingWhenTheUserSaysSo)
{
    OnePhotoAlbum album;
    album.windows.renderForReal = false;
    album.windows.output.reset();  // the output-size window closed
    album.launcher.makeVideo(kw::kindVcd);
    EXPECT_EQ(album.windows.opened, QStringList{QStringLiteral("output VCD")});
    EXPECT_TRUE(album.dialogs.saveFilters.isEmpty());

    album.windows.output = OutputChoice{QSize(1280, 720), {}};
    album.windows.opened.clear();
    album.dialogs.saveName.clear();  // the save dialog cancelled
    album.launcher.makeVideo(kw::kindAvi);
    EXPECT_EQ(album.windows.opened, QStringList{QStringLiteral("output AVI")});

    QFile earlier(album.out(QStringLiteral("旅行.avi")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an album made earlier");
    earlier.close();
    album.windows.opened.clear();
    album.dialogs.saveName = album.out(QStringLiteral("旅行.avi"));  // the extension is not added twice
    album.dialogs.confirmAnswer = false;
    album.launcher.makeVideo(kw::kindAvi);
    EXPECT_EQ(album.dialogs.confirmations.size(), 1);
    EXPECT_EQ(album.windows.opened, QStringList{QStringLiteral("output AVI")});
    EXPECT_EQ(test::readFile(album.out(QStringLiteral("旅行.avi"))), QByteArray("an album made earlier"));
}

TEST(RenderLauncher, AnImageSequenceNeedsANewFolder)
{
    OnePhotoAlbum album;
    album.windows.renderForReal = false;
    album.windows.output = OutputChoice{QSize(1920, 1080), QStringLiteral("BMP")};
    QDir().mkpath(album.out(QStringLiteral("已有")));
    album.dialogs.saveName = album.out(QStringLiteral("已有"));
    album.launcher.makeImageSequence();
    EXPECT_EQ(album.dialogs.messages, QStringList{QStringLiteral("输入的文件名存在, 请更换保存的文件名！")});
    EXPECT_EQ(album.dialogs.saveFilters, QStringList{QStringLiteral("生成 BMP 序列图片|*.BMP")});

    album.dialogs.messages.clear();
    album.dialogs.saveName = album.out(QStringLiteral("新相册"));
    album.launcher.makeImageSequence();
    EXPECT_TRUE(album.dialogs.messages.isEmpty());
    EXPECT_TRUE(QDir(album.out(QStringLiteral("新相册"))).exists());
    EXPECT_EQ(album.windows.opened.last(), QStringLiteral("render 新相册"));
    EXPECT_EQ(album.model.settings.outputKind, kw::kindImages);
}

TEST(RenderWindow, StopEndsTheRenderAndRemovesTheUnfinishedOutput)
{
    OnePhotoAlbum album;
    album.model.settings.outputKind = kw::kindDvd;
    const QString output = album.out(QStringLiteral("stopped.mpg"));
    RenderWindow window(album.model, album.tree.workspace(), RenderRequest{output, QSize(1920, 1080), lyricsType::both},
                        QStringLiteral("stopped"));
    QTimer poll;
    int pressedAt = -1;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.stopButton()->isEnabled() && pressedAt < 0) {
            pressedAt = 1;
            QTest::mouseClick(window.stopButton(), Qt::LeftButton);
        }
    });
    poll.start(20);
    window.exec();
    EXPECT_EQ(pressedAt, 1);
    EXPECT_EQ(window.result().outcome, RenderOutcome::Stopped);
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_TRUE(QDir(album.tree.path(paths::renderScratch)).isEmpty());
}

TEST(SettingsWindows, ChoicesAreStoredAtOnce)
{
    AlbumModel model;
    OtherSettingsWindow settings(model.settings);
    for (QRadioButton* button : settings.findChildren<QRadioButton*>())
        if (button->text() == QStringLiteral("NTSC制式") || button->text() == kw::portraitCropTemplate)
            button->click();
    EXPECT_EQ(model.settings.tvSystem, kw::tvNtsc);
    EXPECT_EQ(model.settings.portraitCrop, kw::portraitCropTemplate);
    EXPECT_EQ(model.settings.quality, kw::qualityHigh);  // untouched

    model.settings.syncMode = kw::syncMusic;
    model.settings.loopPictures = true;
    AlbumLengthWindow length(model);  // no songs: back to the photo-length rule
    EXPECT_EQ(model.settings.syncMode, kw::syncPhotos);
    EXPECT_FALSE(model.settings.loopPictures);

    LyricsTypeWindow lyrics;
    EXPECT_EQ(lyrics.choice(), lyricsType::both);
    for (QRadioButton* button : lyrics.findChildren<QRadioButton*>())
        if (button->text() == QStringLiteral("使用卡拉OK歌词"))
            button->click();
    EXPECT_EQ(lyrics.choice(), lyricsType::karaoke);
    EXPECT_EQ(LyricsTypeWindow().choice(), lyricsType::both);  // every time anew
}

TEST(RenderLauncher, AsksForTheLyricsTypeOnlyWithSongsAndKaraoke)
{
    OnePhotoAlbum album;
    album.windows.renderForReal = false;
    album.dialogs.saveName = album.out(QStringLiteral("a"));
    album.launcher.makeVideo(kw::kindDvd);
    EXPECT_FALSE(album.windows.opened.contains(QStringLiteral("lyricsType")));

    MusicRecord song;
    song.path = QStringLiteral("/music/a.mp3");
    album.model.music.append(song);
    album.model.karaoke.append(KaraokeStyleRecord{});
    album.windows.opened.clear();
    album.dialogs.saveName = album.out(QStringLiteral("b"));
    album.launcher.makeVideo(kw::kindDvd);
    EXPECT_EQ(album.windows.opened, (QStringList{QStringLiteral("output DVD"), QStringLiteral("lyricsType"), QStringLiteral("render b")}));
}

}  // namespace
}  // namespace xc::ui
