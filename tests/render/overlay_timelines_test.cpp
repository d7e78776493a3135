#include "render/overlay_timelines.h"

#include "core/keywords.h"
#include "effects/album_length.h"
#include "effects/text_effects.h"
#include "render/lyrics_type_choice.h"
#include "tests/render/render_fixture.h"

#include <gtest/gtest.h>

namespace xc {
namespace {

// Songs of a few seconds with their own LRC files; the timelines run without rendering.
class OverlayTimelinesTest : public ::testing::Test {
protected:
    void advance(int frames)
    {
        for (int i = 0; i < frames; ++i)
            overlays.advance(album.model, ++albumFrame);
    }
    QStringList prepare(const QString& choice = lyricsType::both)
    {
        plan = planAlbum(album.model, album.workspace());
        return overlays.prepare(album.model, plan, choice);
    }

    test::RenderAlbum album;
    AlbumPlan plan;
    OverlayTimelines overlays;
    qint64 albumFrame = 0;
};

TEST_F(OverlayTimelinesTest, LyricsFollowTheSongsAndStopWhenASongHasNone)
{
    for (int song = 0; song < 3; ++song)
        album.addSong(2);  // 50 frames each
    album.addLyrics(QStringLiteral("[00:01.00]first song\n"), 0);
    album.addLyrics(QStringLiteral("[00:01.00]second song\n"), 1);
    EXPECT_TRUE(prepare().isEmpty());
    EXPECT_EQ(overlays.lrcState(), lrcState::running);

    advance(30);
    EXPECT_EQ(overlays.lyricTimeText(), QStringLiteral("00:01"));
    EXPECT_EQ(overlays.lrcLabel().text, QStringLiteral("first song"));
    advance(20);  // the first song's 50 frames: the clock restarts with the second song's lyrics
    EXPECT_EQ(overlays.songIndex(), 1);
    EXPECT_EQ(overlays.lyricClock(), 0);
    EXPECT_EQ(overlays.shownLyricsRow(), 1);
    EXPECT_TRUE(overlays.lrcLabel().text.isEmpty());
    advance(30);
    EXPECT_EQ(overlays.lrcLabel().text, QStringLiteral("second song"));
    advance(20);  // the third song has no lyrics row
    EXPECT_EQ(overlays.lrcState(), lrcState::noLyricsForSong);
    EXPECT_EQ(overlays.albumTimeText(), QStringLiteral("00:04"));
}

TEST_F(OverlayTimelinesTest, ASongOfNoFramesKeepsItsLyricsToTheEnd)
{
    album.addSong(2);
    album.model.music[0].frames = QStringLiteral("0");
    album.addSong(2);
    album.addLyrics(QStringLiteral("[00:01.00]only\n"), 0);
    prepare();
    advance(400);
    EXPECT_EQ(overlays.songIndex(), 0);
    EXPECT_EQ(overlays.lrcState(), lrcState::running);
    EXPECT_EQ(overlays.lyricTimeText(), QStringLiteral("00:16"));
}

TEST_F(OverlayTimelinesTest, TheBoundRowGivesTheLinesAndTheirStyle)
{
    album.addSong(2);
    album.addSong(2);
    album.addLyrics(QStringLiteral("[00:01.00]row zero\n"), 1);
    LyricsRecord& second = album.addLyrics(QStringLiteral("[00:01.00]row one\n"), 0);
    second.hAlign = kw::alignLeft;
    prepare();
    EXPECT_EQ(overlays.shownLyricsRow(), 1);
    advance(30);
    EXPECT_EQ(overlays.lrcLabel().text, QStringLiteral("row one"));
    EXPECT_EQ(overlays.lrcLabel().geometry.left(), 10);

    // A song bound to nothing shows the first lyrics row.
    album.model.music[0].lyricsKey = kw::none;
    OverlayTimelines fresh;
    fresh.prepare(album.model, plan, lyricsType::both);
    EXPECT_EQ(fresh.shownLyricsRow(), 0);
}

TEST_F(OverlayTimelinesTest, KaraokeOnlyLeavesTheLyricLineEmpty)
{
    album.addSong(3);
    album.addLyrics(QStringLiteral("[00:01.00]lrc line\n"), 0);
    album.addKaraoke(QStringLiteral("karaoke.add('00:01.000', '00:02.000', '我爱你', '300,300,400');\n"));
    prepare(lyricsType::karaoke);
    advance(40);
    EXPECT_TRUE(overlays.lrcLabel().text.isEmpty());
    EXPECT_EQ(overlays.lyricTimeText(), QStringLiteral("00:00"));
    EXPECT_EQ(overlays.karaoke().display().lineA.text.trimmed(), QStringLiteral("我爱你"));
    EXPECT_GT(overlays.karaoke().display().highlightA.geometry.width(), 0);

    OverlayTimelines lrcOnly;
    lrcOnly.prepare(album.model, plan, lyricsType::lrc);
    for (int frame = 1; frame <= 40; ++frame)
        lrcOnly.advance(album.model, frame);
    EXPECT_EQ(lrcOnly.lrcLabel().text, QStringLiteral("lrc line"));
    EXPECT_TRUE(lrcOnly.karaoke().display().lineA.text.isEmpty());
}

TEST_F(OverlayTimelinesTest, KaraokeStartsOverWhenTheMusicLoops)
{
    album.addSong(3);
    album.addKaraoke(QStringLiteral("karaoke.add('00:01.000', '00:02.000', '我爱你', '300,300,400');\n"));
    plan = planAlbum(album.model, album.workspace());
    ASSERT_EQ(plan.songs.size(), 1);
    plan.songs.append(SongSpan{0, 75, 75});  // the song again, as looping music plays it
    overlays.prepare(album.model, plan, lyricsType::karaoke);
    advance(40);
    const int firstPassWidth = overlays.karaoke().display().highlightA.geometry.width();
    ASSERT_GT(firstPassWidth, 0);

    // The repeat starts its clock at -24, as every song after the first does.
    advance(75 - 40 + 24 + 40);
    EXPECT_EQ(overlays.karaoke().songNumber(), 1);
    EXPECT_EQ(overlays.karaoke().display().lineA.text.trimmed(), QStringLiteral("我爱你"));
    EXPECT_EQ(overlays.karaoke().display().highlightA.geometry.width(), firstPassWidth);
}

TEST_F(OverlayTimelinesTest, WithoutLyricsTheClockStandsStillAndEffectsAtTheStartRestart)
{
    TextEffectDraft atStart;
    atStart.motionName = QStringLiteral("从1/2上向1/2下(竖)");
    ASSERT_TRUE(addTextEffect(album.model.textEffects, atStart).ok());
    TextEffectDraft later = atStart;
    later.second = QStringLiteral("05");
    ASSERT_TRUE(addTextEffect(album.model.textEffects, later).ok());
    album.model.textEffects[0].state = kw::running;  // left moving by an earlier render
    prepare();
    EXPECT_EQ(album.model.textEffects[0].state, kw::stopped);

    advance(1);
    EXPECT_EQ(album.model.textEffects[0].state, kw::running);
    const TextCaption& caption = overlays.captions()[0];
    EXPECT_EQ(caption.font.pixelSize() > 0, true);
    const int framesToCross = (1080 + caption.box.height + 2) / 3;
    advance(framesToCross - 1);
    EXPECT_EQ(album.model.textEffects[0].state, kw::stopped);
    advance(1);  // the clock still reads 00:00: it starts again
    EXPECT_EQ(album.model.textEffects[0].state, kw::running);
    EXPECT_EQ(album.model.textEffects[1].state, kw::stopped);
    EXPECT_EQ(overlays.lyricTimeText(), QStringLiteral("00:00"));

    overlays.hide();
    EXPECT_FALSE(overlays.captions()[0].box.visible);
    overlays.show(album.model);
    EXPECT_TRUE(overlays.captions()[0].box.visible);
    EXPECT_FALSE(overlays.captions()[1].box.visible);
}

}  // namespace
}  // namespace xc
