#include "audio/board_thumbnails.h"
#include "audio/imported_file.h"
#include "audio/lyrics_import.h"
#include "audio/music_import.h"
#include "core/board_views.h"
#include "core/file_ops.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace xc;
using xc::test::sourcePath;

namespace {

QString fixture(const QString& name) { return sourcePath("tests/audio/data/" + name); }

class ImportTest : public ::testing::Test {
protected:
    QString thumbnail(AudioBoard board, int number) const
    {
        return boardThumbnailPath(tree.workspace(), model.settings, board, number);
    }
    QStringList lrcFiles(int count)
    {
        QStringList files;
        for (int i = 1; i <= count; ++i) {
            tree.writeFile(QStringLiteral("lyrics/歌词%1.lrc").arg(i), "[00:01.00]x\n");
            files << tree.path(QStringLiteral("lyrics/歌词%1.lrc").arg(i));
        }
        return files;
    }

    xc::test::TestTree tree;
    AlbumModel model;
};

}  // namespace

TEST(MusicDuration, TextAndFramesFromWholeSeconds)
{
    const QList<std::tuple<qint64, QString, QString>> cases{
        {59900, "00:00:59", "1475"},   {60000, "00:01:00", "1500"},   {185000, "00:03:05", "4625"},
        {225900, "00:03:45", "5625"},  {3725000, "00:62:05", "93125"}, {4503000, "00:75:03", "112575"},
    };
    for (const auto& [ms, text, frames] : cases) {
        EXPECT_EQ(musicDurationText(ms), text) << ms;
        EXPECT_EQ(musicFrameCount(ms), frames) << ms;
    }
}

TEST(ImportedFile, NameDropsExactlyFourCharacters)
{
    EXPECT_EQ(importedFileNames("/x/甜蜜蜜.mp3").name, "甜蜜蜜");
    EXPECT_EQ(importedFileNames("/x/甜蜜蜜.mp3").ext, ".mp3");
    EXPECT_EQ(importedFileNames("/x/a.jpeg").name, "a.");
    EXPECT_EQ(importedFileNames("/x/Song.MP3").ext, ".MP3");
    EXPECT_EQ(importedFileNames("/x/ab").name, "");
}

TEST_F(ImportTest, MusicRowsThumbnailsAndPairing)
{
    ASSERT_TRUE(importLyrics(model, tree.workspace(), lrcFiles(2)).ok());
    model.settings.boardView = "liebiao";
    const QStringList songs{fixture("cbr_info.mp3"), fixture("vbr_plain.mp3"), fixture("vbr_xing.mp3")};
    ASSERT_TRUE(importMusic(model, tree.workspace(), songs).ok());

    ASSERT_EQ(model.music.count(), 3);
    const MusicRecord& first = model.music[0];
    EXPECT_EQ(first.seq, "1");
    EXPECT_EQ(first.name, "cbr_info");
    EXPECT_EQ(first.ext, ".mp3");
    EXPECT_EQ(first.path, QFileInfo(songs[0]).absoluteFilePath());
    EXPECT_EQ(first.duration, "00:00:01");
    EXPECT_EQ(first.frames, "25");
    EXPECT_EQ(model.music[2].seq, "3");

    // Songs 1 and 2 pair with the two lyrics files; song 3 stays unbound.
    EXPECT_EQ(first.lyricsName, "歌词1");
    EXPECT_EQ(model.lyrics[1].musicName, "vbr_plain");
    EXPECT_EQ(model.lyrics[1].musicKey, model.music[1].lyricsKey);
    EXPECT_EQ(model.music[2].lyricsKey, "wu");
    EXPECT_EQ(musicListView(model)[2].last(), "未绑定歌词");
    EXPECT_EQ(musicListView(model)[0], (QStringList{"1", "cbr_info", ".mp3", "00:00:01", first.path, "歌词1"}));

    for (int i = 1; i <= 3; ++i) {
        const QImage tile(thumbnail(AudioBoard::Music, i));
        EXPECT_EQ(tile.size(), QSize(130, 115)) << i;
    }
    EXPECT_EQ(model.settings.boardView, "tubiao");
}

TEST_F(ImportTest, AFileThatCannotBeMeasuredAddsNothing)
{
    tree.writeFile("notes.mp3", "these are not MP3 frames at all, only text");
    ASSERT_TRUE(importMusic(model, tree.workspace(), {fixture("cbr_info.mp3")}).ok());
    ASSERT_TRUE(QFile::remove(thumbnail(AudioBoard::Music, 1)));

    for (const QString& bad : {tree.path("notes.mp3"), tree.path("missing.mp3")}) {
        const Status status = importMusic(model, tree.workspace(), {fixture("cbr_plain.mp3"), bad});
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.error().contains(bad)) << status.error().toStdString();
        EXPECT_EQ(model.music.count(), 1);
        EXPECT_FALSE(QFile::exists(thumbnail(AudioBoard::Music, 1)));
        EXPECT_FALSE(QFile::exists(thumbnail(AudioBoard::Music, 2)));
    }
}

TEST_F(ImportTest, LyricsRowsGetTheDefaultStyleAndPair)
{
    ASSERT_TRUE(importMusic(model, tree.workspace(), {fixture("cbr_info.mp3"), fixture("cbr_plain.mp3"), fixture("vbr_xing.mp3")}).ok());
    const QStringList files = lrcFiles(2);
    ASSERT_TRUE(importLyrics(model, tree.workspace(), files).ok());
    ASSERT_EQ(model.lyrics.count(), 2);
    const LyricsRecord& row = model.lyrics[0];
    EXPECT_EQ((QStringList{row.colorName, row.colorValue, row.fontSize, row.fontName, row.bold, row.italic, row.underline,
                           row.hAlign, row.vAlign}),
              (QStringList{"clWhite", "16777215", "10", "黑体", "cuti", "wu", "wu", "juzhong", "xiamian"}));
    EXPECT_EQ(row.musicName, "cbr_info");
    EXPECT_EQ(model.music[1].lyricsName, "歌词2");
    EXPECT_EQ(model.music[2].lyricsKey, "wu");
    const QStringList listRow = lyricsListView(model)[0];
    EXPECT_EQ(listRow.mid(4), (QStringList{"cbr_info", "clWhite", "10", "黑体", "[粗体]", "歌词居中", "歌词在下面"}));
    EXPECT_EQ(QImage(thumbnail(AudioBoard::Lyrics, 2)).size(), QSize(130, 115));

    // The same file twice gives two independent rows.
    ASSERT_TRUE(importLyrics(model, tree.workspace(), {files[0]}).ok());
    EXPECT_EQ(model.lyrics.count(), 3);
    EXPECT_EQ(model.lyrics[2].name, "歌词1");
    EXPECT_EQ(model.lyrics[2].musicName, "vbr_xing");

    const Status missing = importLyrics(model, tree.workspace(), {tree.path("nothing.lrc")});
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(model.lyrics.count(), 3);
}

TEST(BoardTile, ShortNamesAreCentredAndLongNamesStartAtTheLeft)
{
    // The name's white pixels in the label strip (y 94 … 113).
    auto nameSpan = [](const QImage& tile) {
        int left = tile.width(), right = -1;
        for (int y = 94; y < 114; ++y) {
            for (int x = 0; x < tile.width(); ++x) {
                const QColor c = tile.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return std::pair{left, right};
    };
    const auto [shortLeft, shortRight] = nameSpan(drawBoardTile(AudioBoard::Music, "甜蜜蜜"));
    ASSERT_GT(shortRight, shortLeft);
    EXPECT_NEAR((shortLeft + shortRight) / 2.0, 5 + 124 / 2.0, 3.0);
    const auto [longLeft, longRight] = nameSpan(drawBoardTile(AudioBoard::Lyrics, "一首名字非常非常长的歌曲的歌词文件"));
    EXPECT_LE(longLeft, 7);
    EXPECT_LE(longRight, 128);
}
