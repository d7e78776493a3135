#include "audio/binding.h"
#include "audio/board_swap.h"
#include "audio/board_thumbnails.h"
#include "audio/lyrics_import.h"
#include "audio/music_import.h"
#include "audio/music_lyrics_deletion.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace xc;

namespace {

class DeletionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString song = xc::test::sourcePath("tests/audio/data/cbr_info.mp3");
        QStringList songs, lyrics;
        for (const QString name : {"一", "二", "三"}) {
            ASSERT_TRUE(QFile::copy(song, tree.path(name + ".mp3")));
            songs << tree.path(name + ".mp3");
            tree.writeFile(name + ".lrc", "[00:01.00]x\n");
            lyrics << tree.path(name + ".lrc");
        }
        ASSERT_TRUE(importMusic(model, tree.workspace(), songs).ok());
        ASSERT_TRUE(importLyrics(model, tree.workspace(), lyrics).ok());
    }

    QString thumbnail(AudioBoard board, int number) const
    {
        return boardThumbnailPath(tree.workspace(), model.settings, board, number);
    }
    QStringList filesIn(AudioBoard board) const
    {
        return QDir(boardThumbnailFolder(tree.workspace(), board)).entryList(QDir::Files, QDir::Name);
    }

    xc::test::TestTree tree;
    AlbumModel model;
    LrcTimedLines timedLines;
};

}  // namespace

TEST_F(DeletionTest, DeletingASongRenumbersRowsAndThumbnails)
{
    const QByteArray third = test::readFile(thumbnail(AudioBoard::Music, 3));
    const QByteArray first = test::readFile(thumbnail(AudioBoard::Music, 1));
    ASSERT_NE(third, first);
    const QString thirdKey = model.music[2].lyricsKey;

    deleteSong(model, tree.workspace(), 1);
    ASSERT_EQ(model.music.count(), 2);
    EXPECT_EQ(model.music[1].name, "三");
    EXPECT_EQ(model.music[1].seq, "2");
    EXPECT_EQ(model.music[1].lyricsKey, thirdKey);
    EXPECT_EQ(filesIn(AudioBoard::Music), (QStringList{"tp_slt_2_1.bmp", "tp_slt_2_2.bmp"}));
    EXPECT_EQ(test::readFile(thumbnail(AudioBoard::Music, 2)), third);
    EXPECT_EQ(test::readFile(thumbnail(AudioBoard::Music, 1)), first);
    // The deleted song's lyrics are unbound; the others keep their songs.
    EXPECT_EQ(model.lyrics[1].musicKey, "wu");
    EXPECT_EQ(model.lyrics[1].musicName, "wu");
    EXPECT_EQ(model.lyrics[2].musicName, "三");
}

TEST_F(DeletionTest, DeletingASongUnbindsSharedLyricsForEveryone)
{
    bindSongToLyrics(model, 2, 0);  // songs 1 and 3 share lyrics 1
    const QString shared = model.lyrics[0].musicKey;
    deleteSong(model, tree.workspace(), 0);
    EXPECT_EQ(model.lyrics[0].musicKey, "wu");
    EXPECT_EQ(model.music[1].lyricsKey, shared);  // the other song keeps the old key
}

TEST_F(DeletionTest, DeletingLyricsUnbindsAllTheirSongsAndRenumbers)
{
    bindSongToLyrics(model, 2, 0);
    const QByteArray second = test::readFile(thumbnail(AudioBoard::Lyrics, 2));
    deleteLyrics(model, tree.workspace(), 0, timedLines);
    EXPECT_EQ(model.music[0].lyricsKey, "wu");
    EXPECT_EQ(model.music[2].lyricsKey, "wu");
    EXPECT_EQ(model.music[0].lyricsName, "wu");
    EXPECT_EQ(model.lyrics[0].seq, "1");
    EXPECT_EQ(model.lyrics[0].name, "二");
    EXPECT_EQ(test::readFile(thumbnail(AudioBoard::Lyrics, 1)), second);
    EXPECT_EQ(filesIn(AudioBoard::Lyrics).size(), 2);
}

TEST_F(DeletionTest, DeletingAllSongsResetsTheAlbumLengthOptions)
{
    model.settings.syncMode = kw::syncMusic;
    model.settings.loopMusic = model.settings.loopPictures = true;
    ASSERT_TRUE(deleteAllSongs(model, tree.workspace()).ok());
    EXPECT_TRUE(model.music.isEmpty());
    EXPECT_EQ(model.settings.syncMode, kw::syncPhotos);
    EXPECT_FALSE(model.settings.loopMusic);
    EXPECT_FALSE(model.settings.loopPictures);
    for (const LyricsRecord& lyrics : model.lyrics)
        EXPECT_EQ(lyrics.musicName, "wu");
    EXPECT_TRUE(QDir(boardThumbnailFolder(tree.workspace(), AudioBoard::Music)).exists());
    EXPECT_TRUE(filesIn(AudioBoard::Music).isEmpty());

    // Deleting the last song one by one resets them as well.
    AlbumModel single;
    single.music.append(MusicRecord{"1", "a", ".mp3", "/a.mp3", "00:00:01", "25", "wu", "wu"});
    single.settings.syncMode = kw::syncMusic;
    deleteSong(single, tree.workspace(), 0);
    EXPECT_EQ(single.settings.syncMode, kw::syncPhotos);
}

TEST_F(DeletionTest, DeletingAllLyricsEmptiesTheTimedLinesButKeepsTheLengthOptions)
{
    ASSERT_TRUE(timedLines.parse(model.lyrics[0].path).ok());
    model.settings.syncMode = kw::syncMusic;
    ASSERT_TRUE(deleteAllLyrics(model, tree.workspace(), timedLines).ok());
    EXPECT_TRUE(model.lyrics.isEmpty());
    EXPECT_TRUE(timedLines.lines().isEmpty());
    EXPECT_EQ(model.settings.syncMode, kw::syncMusic);
    for (const MusicRecord& song : model.music)
        EXPECT_EQ(song.lyricsKey, "wu");
    EXPECT_TRUE(filesIn(AudioBoard::Lyrics).isEmpty());
}

TEST_F(DeletionTest, SwappingSongsExchangesRowsAndThumbnails)
{
    const QByteArray first = test::readFile(thumbnail(AudioBoard::Music, 1));
    const QByteArray third = test::readFile(thumbnail(AudioBoard::Music, 3));
    const QString firstKey = model.music[0].lyricsKey;
    swapSongs(model, tree.workspace(), 0, 2);
    EXPECT_EQ(model.music[0].name, "三");
    EXPECT_EQ(model.music[0].seq, "1");
    EXPECT_EQ(model.music[2].lyricsKey, firstKey);
    EXPECT_EQ(test::readFile(thumbnail(AudioBoard::Music, 1)), third);
    EXPECT_EQ(test::readFile(thumbnail(AudioBoard::Music, 3)), first);
    EXPECT_EQ(filesIn(AudioBoard::Music).size(), 3);
}
