#include "audio/karaoke_display.h"
#include "audio/karaoke_timeline.h"
#include "audio/lyric_styles.h"
#include "tests/support/test_tree.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace xc;

namespace {

class KaraokeTimelineTest : public ::testing::Test {
protected:
    void addSong(const QString& frames)
    {
        MusicRecord song;
        song.seq = QString::number(model.music.count() + 1);
        song.name = "song" + song.seq;
        song.frames = frames;
        song.lyricsKey = song.lyricsName = "wu";
        model.music.append(song);
    }

    void addScript(const QString& name, const QByteArray& statements)
    {
        tree.writeFile(name, statements);
        KaraokeStyleRecord row;
        applyDefaultKaraokeStyle(row);
        row.seq = QString::number(model.karaoke.count() + 1);
        row.name = name;
        row.path = tree.path(name);
        model.karaoke.append(row);
    }

    void advance(KaraokeTimeline& timeline, int frames)
    {
        for (int i = 0; i < frames; ++i)
            ASSERT_TRUE(timeline.advanceFrame(model).ok());
    }

    xc::test::TestTree tree;
    AlbumModel model;
};

const QByteArray twoLines = "karaoke.add('00:02.000', '00:04.000', '我爱[you]', '500,500,1500');\n"
                            "karaoke.add('00:05.000', '00:06.000', '你好', '500,500');\n";

}  // namespace

TEST_F(KaraokeTimelineTest, HighlightAdvancesFrameByFrameThroughALine)
{
    addSong("500");
    addScript("a.ksc", twoLines);
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    const KaraokeDisplay& display = timeline.display();
    const QList<KaraokeGroup> groups = timeline.lines().at(0).groups;
    ASSERT_EQ(groups.size(), 3);

    advance(timeline, 25);  // clock 25: "00:01", line A appears
    EXPECT_EQ(timeline.clockKey(), "00:01");
    EXPECT_TRUE(display.lineA.visible);
    EXPECT_EQ(display.lineA.text, "我爱you     ");
    EXPECT_EQ(display.lineA.geometry.topLeft(), QPoint(180, 811));
    EXPECT_EQ(display.highlightA.geometry.width(), 0);
    EXPECT_FALSE(display.highlightA.visible);
    EXPECT_EQ(display.highlightA.text, display.lineA.text);
    EXPECT_GT(display.highlightA.stacking, display.lineA.stacking);

    advance(timeline, 24);  // still "00:01": nothing scrolls
    EXPECT_EQ(display.highlightA.geometry.width(), 0);

    // "00:02": group 我 (12 frames) grows by its pace each frame and ends on its cumulative width.
    for (int k = 1; k <= 11; ++k) {
        advance(timeline, 1);
        EXPECT_TRUE(display.highlightA.visible);
        EXPECT_EQ(display.highlightA.geometry.width(), k * groups[0].pixelsPerFrame) << "frame " << k;
    }
    advance(timeline, 1);
    EXPECT_EQ(display.highlightA.geometry.width(), groups[0].cumulativeWidth);
    EXPECT_EQ(timeline.currentGroup(), 1);

    advance(timeline, 12);  // 爱
    EXPECT_EQ(display.highlightA.geometry.width(), groups[1].cumulativeWidth);

    // The last group runs at twice its pace and is not snapped.
    advance(timeline, 1);
    EXPECT_EQ(display.highlightA.geometry.width(), groups[1].cumulativeWidth + 2 * groups[2].pixelsPerFrame);
    advance(timeline, 37);
    EXPECT_EQ(timeline.currentGroup(), 3);
    const int finished = display.highlightA.geometry.width();
    EXPECT_GE(finished, groups[2].cumulativeWidth);
    EXPECT_LT(finished, groups[2].cumulativeWidth + 2 * groups[2].pixelsPerFrame);
    EXPECT_LT(finished, display.lineA.geometry.width());

    // Meanwhile, at "00:04", line B has appeared, right-aligned 20 pixels from the edge.
    EXPECT_EQ(timeline.clockKey(), "00:04");
    EXPECT_EQ(display.lineB.text, "你好     ");
    EXPECT_EQ(display.lineB.geometry.top(), 931);
    EXPECT_EQ(display.lineB.geometry.left(), 1920 - display.lineB.geometry.width() - 20);
    EXPECT_EQ(display.highlightA.geometry.width(), finished);

    // "00:05": line B starts and line A completes at once.
    advance(timeline, 25);
    EXPECT_EQ(timeline.clockKey(), "00:05");
    EXPECT_EQ(display.highlightA.geometry.width(), display.lineA.geometry.width());
    EXPECT_TRUE(display.highlightB.visible);
    EXPECT_EQ(display.highlightB.geometry.left(), display.lineB.geometry.left());
    EXPECT_GT(display.highlightB.geometry.width(), 0);

    // The last line's hide key "00:07" clears the display.
    advance(timeline, 175 - timeline.clock());
    EXPECT_EQ(timeline.clockKey(), "00:07");
    for (const KaraokeLabel* label : {&display.lineA, &display.highlightA, &display.lineB, &display.highlightB}) {
        EXPECT_FALSE(label->visible);
        EXPECT_TRUE(label->text.isEmpty());
    }
}

TEST_F(KaraokeTimelineTest, NextSongStartsItsScriptAtClockMinus24)
{
    addSong("100");
    addSong("500");
    addScript("a.ksc", "karaoke.add('00:01.000', '00:02.000', '一', '500');\n");
    addScript("b.ksc", "karaoke.add('00:02.000', '00:03.000', '二', '500');\n");
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    advance(timeline, 100);
    EXPECT_EQ(timeline.songNumber(), 2);
    EXPECT_EQ(timeline.clock(), -24);
    ASSERT_EQ(timeline.lines().size(), 1);
    EXPECT_EQ(timeline.lines().at(0).text, "二");
    EXPECT_TRUE(timeline.display().lineA.text.isEmpty());
    // Clock −23 … 24 all read "00:00": 48 frames.
    for (int i = 0; i < 48; ++i) {
        advance(timeline, 1);
        EXPECT_EQ(timeline.clockKey(), "00:00") << timeline.clock();
    }
    advance(timeline, 1);
    EXPECT_EQ(timeline.clockKey(), "00:01");
    EXPECT_EQ(timeline.display().lineA.text, "二     ");
}

TEST_F(KaraokeTimelineTest, SongWithoutKaraokeRowStopsTheClock)
{
    addSong("50");
    addSong("500");
    addScript("a.ksc", "karaoke.add('00:01.000', '00:01.500', '一', '500');\n");
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    advance(timeline, 80);
    EXPECT_EQ(timeline.songNumber(), 2);
    EXPECT_EQ(timeline.clock(), 50);
}

TEST_F(KaraokeTimelineTest, GroupOfZeroFramesCompletesAtOnce)
{
    addSong("500");
    addScript("a.ksc", "karaoke.add('00:01.000', '00:03.000', '甲乙丙', '500,10,500');\n");
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    const QList<KaraokeGroup> groups = timeline.lines().at(0).groups;
    ASSERT_EQ(groups.at(1).frames, 0);
    advance(timeline, 25 + 11);  // the scroll starts at clock 25; group 0 ends on its 12th frame
    EXPECT_EQ(timeline.currentGroup(), 1);
    advance(timeline, 1);
    EXPECT_EQ(timeline.currentGroup(), 2);
    EXPECT_EQ(timeline.display().highlightA.geometry.width(), groups.at(1).cumulativeWidth);
}

TEST_F(KaraokeTimelineTest, MoreTimingEntriesThanGroupsAddNoWidth)
{
    addSong("500");
    addScript("a.ksc", "karaoke.add('00:01.000', '00:03.000', '甲', '80,80,80');\n");
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    const int width = timeline.lines().at(0).groups.at(0).cumulativeWidth;
    advance(timeline, 25 + 2);  // group 甲 (2 frames) done
    EXPECT_EQ(timeline.display().highlightA.geometry.width(), width);
    advance(timeline, 4);  // the two extra entries keep the width
    EXPECT_EQ(timeline.currentGroup(), 3);
    EXPECT_EQ(timeline.display().highlightA.geometry.width(), width);
}

TEST_F(KaraokeTimelineTest, UnreadableScriptIsReportedAndShowsNothing)
{
    addSong("500");
    addScript("a.ksc", "");
    model.karaoke[0].path = tree.path("missing.ksc");
    KaraokeTimeline timeline;
    EXPECT_FALSE(timeline.start(model).ok());
    EXPECT_TRUE(timeline.lines().isEmpty());
    advance(timeline, 60);
    EXPECT_FALSE(timeline.display().lineA.visible);
}

TEST_F(KaraokeTimelineTest, PaintsTheSungPartInTheHighlightColour)
{
    addSong("500");
    addScript("a.ksc", twoLines);
    KaraokeTimeline timeline;
    ASSERT_TRUE(timeline.start(model).ok());
    advance(timeline, 50 + 20);  // into the second group of line A
    const KaraokeDisplay& display = timeline.display();
    const int highlightRight = display.highlightA.geometry.right();
    ASSERT_GT(display.highlightA.geometry.width(), 0);

    QImage frame(1920, 1080, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    paintKaraokeDisplay(painter, display);
    painter.end();

    int blue = 0, white = 0, blueBeyond = 0, whiteBefore = 0;
    for (int y = display.lineA.geometry.top(); y <= display.lineA.geometry.bottom(); ++y) {
        for (int x = display.lineA.geometry.left(); x <= display.lineA.geometry.right(); ++x) {
            const QColor c = frame.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 40 && c.green() < 40) {
                ++blue;
                blueBeyond += x > highlightRight;
            } else if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                ++white;
                whiteBefore += x <= highlightRight;
            }
        }
    }
    EXPECT_GT(blue, 100);
    EXPECT_GT(white, 100);
    EXPECT_EQ(blueBeyond, 0);
    EXPECT_EQ(whiteBefore, 0);
}
