#include "audio/binding.h"

#include <gtest/gtest.h>

using namespace xc;

namespace {

AlbumModel albumWith(int songs, int lyrics, int karaoke = 0)
{
    AlbumModel model;
    for (int i = 1; i <= songs; ++i)
        model.music.append(MusicRecord{QString::number(i), "song" + QString::number(i), ".mp3", "/m/" + QString::number(i), "00:00:10", "250", "wu", "wu"});
    for (int i = 1; i <= lyrics; ++i) {
        LyricsRecord row;
        row.seq = QString::number(i);
        row.name = "lyrics" + QString::number(i);
        row.musicKey = row.musicName = "wu";
        model.lyrics.append(row);
    }
    for (int i = 1; i <= karaoke; ++i) {
        KaraokeStyleRecord row;
        row.seq = QString::number(i);
        row.name = "ksc" + QString::number(i);
        model.karaoke.append(row);
    }
    return model;
}

bool bound(const AlbumModel& model, qsizetype song, qsizetype lyrics)
{
    return model.music[song].lyricsKey != "wu" && model.music[song].lyricsKey == model.lyrics[lyrics].musicKey;
}

}  // namespace

TEST(Binding, AutomaticPairingBindsByPositionAndCountsLeftoverSongs)
{
    AlbumModel model = albumWith(3, 2);
    EXPECT_EQ(pairAutomatically(model), "添加的歌词数量与添加的音乐数量不一致,还有 1 个音乐没有绑定");
    EXPECT_TRUE(bound(model, 0, 0));
    EXPECT_TRUE(bound(model, 1, 1));
    EXPECT_NE(model.music[0].lyricsKey, model.music[1].lyricsKey);
    EXPECT_EQ(model.music[2].lyricsKey, "wu");
    EXPECT_EQ(model.music[0].lyricsName, "lyrics1");
    EXPECT_EQ(model.lyrics[1].musicName, "song2");

    AlbumModel moreLyrics = albumWith(1, 3);
    EXPECT_EQ(pairAutomatically(moreLyrics), "");
    EXPECT_EQ(moreLyrics.lyrics[2].musicKey, "wu");
}

TEST(Binding, ManualBindingSharesTheLyricsKeyAndReconciles)
{
    AlbumModel model = albumWith(3, 2);
    pairAutomatically(model);

    bindSongToLyrics(model, 2, 0);  // song 3 → lyrics 1
    EXPECT_TRUE(bound(model, 2, 0));
    EXPECT_EQ(model.music[2].lyricsKey, model.music[0].lyricsKey);
    EXPECT_EQ(model.music[2].lyricsName, "lyrics1");
    EXPECT_EQ(model.lyrics[0].musicName, "绑定2个音乐");

    bindSongToLyrics(model, 0, 1);  // song 1 → lyrics 2
    EXPECT_TRUE(bound(model, 0, 1));
    EXPECT_EQ(model.lyrics[0].musicName, "song3");
    EXPECT_EQ(model.lyrics[1].musicName, "绑定2个音乐");

    // A lyrics row whose only song moves away becomes unbound.
    AlbumModel pair = albumWith(1, 2);
    pairAutomatically(pair);
    bindSongToLyrics(pair, 0, 1);
    EXPECT_EQ(pair.lyrics[0].musicKey, "wu");
    EXPECT_EQ(pair.lyrics[0].musicName, "wu");
    EXPECT_EQ(pair.lyrics[1].musicName, "song1");
}

TEST(Binding, BindingFromTheLyricsBoard)
{
    AlbumModel model = albumWith(2, 1);
    bindLyricsToSong(model, 0, 1);
    EXPECT_TRUE(bound(model, 1, 0));
    EXPECT_EQ(model.lyrics[0].musicName, "song2");
    EXPECT_EQ(model.music[1].lyricsName, "lyrics1");
    bindLyricsToSong(model, 0, 0);
    EXPECT_TRUE(bound(model, 0, 0));
    EXPECT_TRUE(bound(model, 1, 0));
    EXPECT_EQ(model.lyrics[0].musicName, "绑定2个音乐");
}

TEST(Binding, UnbindingASharedLyricsFile)
{
    AlbumModel model = albumWith(2, 1);
    bindSongToLyrics(model, 0, 0);
    bindSongToLyrics(model, 1, 0);
    const QString key = model.lyrics[0].musicKey;

    AlbumModel oneSong = model;
    unbindSong(oneSong, 0);
    EXPECT_EQ(oneSong.music[0].lyricsKey, "wu");
    EXPECT_EQ(oneSong.music[0].lyricsName, "wu");
    EXPECT_EQ(oneSong.lyrics[0].musicKey, key);
    EXPECT_EQ(oneSong.lyrics[0].musicName, "绑定2个音乐");
    unbindSong(oneSong, 1);
    EXPECT_EQ(oneSong.lyrics[0].musicKey, "wu");

    unbindLyrics(model, 0);
    EXPECT_EQ(model.music[0].lyricsKey, "wu");
    EXPECT_EQ(model.music[1].lyricsKey, "wu");
    EXPECT_EQ(model.lyrics[0].musicName, "wu");

    AlbumModel all = albumWith(2, 2);
    pairAutomatically(all);
    unbindAll(all);
    for (const MusicRecord& song : all.music)
        EXPECT_EQ(song.lyricsKey, "wu");
    for (const LyricsRecord& lyrics : all.lyrics)
        EXPECT_EQ(lyrics.musicName, "wu");
}

TEST(Binding, ImportPairingLeavesBoundRowsAlone)
{
    AlbumModel model = albumWith(3, 5);
    bindSongToLyrics(model, 1, 4);  // song 2 already bound elsewhere
    pairUnboundByPosition(model);
    EXPECT_TRUE(bound(model, 0, 0));
    EXPECT_TRUE(bound(model, 1, 4));
    EXPECT_EQ(model.lyrics[1].musicKey, "wu");
    EXPECT_TRUE(bound(model, 2, 2));
    EXPECT_EQ(model.lyrics[3].musicKey, "wu");
}

TEST(Binding, NewKeysNeverCollideWithKeysInUse)
{
    AlbumModel model = albumWith(2, 2);
    model.music[0].lyricsKey = model.lyrics[0].musicKey = newBindingKey(model, 1);
    const QString second = newBindingKey(model, 1);
    EXPECT_NE(second, model.music[0].lyricsKey);
    // Binding a new pair within the same second keeps the first pair apart.
    bindSongToLyrics(model, 1, 1);
    EXPECT_NE(model.music[1].lyricsKey, model.music[0].lyricsKey);
    EXPECT_EQ(model.lyrics[0].musicName, "song1");
    EXPECT_EQ(model.lyrics[1].musicName, "song2");
}

TEST(Binding, PreconditionsInTheirOrder)
{
    struct Case {
        BindingCommand command;
        BindingBoard board;
        int songs, lyrics;
        bool selected;
        bool proceed;
        QString notice;
    };
    const QList<Case> cases{
        {BindingCommand::Bind, BindingBoard::Music, 0, 0, false, false, ""},
        {BindingCommand::Bind, BindingBoard::Music, 1, 0, true, false, "没有找到歌词文件！"},
        {BindingCommand::Bind, BindingBoard::Music, 1, 1, false, false, "没有选中音乐文件！"},
        {BindingCommand::Bind, BindingBoard::Music, 1, 1, true, true, ""},
        {BindingCommand::Bind, BindingBoard::Lyrics, 0, 0, true, false, "没有找到音乐文件！"},
        {BindingCommand::Bind, BindingBoard::Lyrics, 1, 0, true, false, ""},
        {BindingCommand::Unbind, BindingBoard::Lyrics, 1, 1, false, false, "没有选中歌词文件！"},
        {BindingCommand::Automatic, BindingBoard::Music, 1, 1, false, true, ""},
        {BindingCommand::Automatic, BindingBoard::Lyrics, 0, 1, false, false, "没有找到音乐文件！"},
        {BindingCommand::UnbindAll, BindingBoard::Music, 2, 0, false, false, ""},
        {BindingCommand::UnbindAll, BindingBoard::Lyrics, 1, 1, false, true, ""},
    };
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const CommandCheck check = checkBindingCommand(c.command, c.board, albumWith(c.songs, c.lyrics), c.selected);
        EXPECT_EQ(check.proceed, c.proceed) << "case " << i;
        EXPECT_EQ(check.notice, c.notice) << "case " << i;
    }
}

TEST(Binding, KaraokeMatchingViewPairsByPosition)
{
    const ListViewRows rows = karaokeMatchingRows(albumWith(2, 0, 3));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{"1", "song1", "<--->", "ksc1"}));
    EXPECT_EQ(rows[2], (QStringList{"3", "", "<--->", "ksc3"}));
    EXPECT_EQ(karaokeMatchingRows(albumWith(2, 0, 0))[1], (QStringList{"2", "song2", "<--->", ""}));
}
