#include "effects/text_motion.h"

#include "core/keywords.h"
#include "core/records.h"

#include <QPoint>

#include <gtest/gtest.h>

namespace xc {
namespace {

const QSize surface{513, 289};

TextEffectRecord effect(const QString& keyword, int x = 0, int y = 0, const QString& start = QStringLiteral("00:00"))
{
    TextEffectRecord e;
    e.motionName = keyword;
    e.x = QString::number(x);
    e.y = QString::number(y);
    e.startTime = start;
    e.state = kw::stopped;
    return e;
}

struct TableCase {
    const char* keyword;
    int x, y;
    int firstLeft, firstTop;  // after the first frame, caption 40 × 20
    int dLeft, dTop;          // per later frame
};

TEST(TextMotion, TablePathsStartOneStepPastTheirStart)
{
    const TableCase cases[] = {
        {"zuoshangxiangyouxia", 0, 0, -40 + 3, -20 + 2, 3, 2},
        {"congzuoxiangyou", 0, 100, -40 + 3, 100, 3, 0},
        {"congshangxiangxia", 200, 0, 200, -20 + 3, 0, 3},
        {"congyouxiangzuo", 0, 100, 513 - 3, 100, -3, 0},
        {"zuoxiadaoyoushang", 0, 0, -40 + 3, 289 - 3, 3, -3},
        {"youshangdaozuoxia", 0, 0, 513 - 3, -20 + 3, -3, 3},
        {"youxiadaozuoshang", 0, 0, 513 - 3, 289 - 3, -3, -3},
    };
    for (const TableCase& c : cases) {
        TextEffectRecord e = effect(QString::fromLatin1(c.keyword), c.x, c.y);
        CaptionBox caption{0, 0, 40, 20};
        stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
        EXPECT_EQ(e.state, kw::running) << c.keyword;
        EXPECT_TRUE(caption.visible);
        EXPECT_EQ(caption.left, c.firstLeft) << c.keyword;
        EXPECT_EQ(caption.top, c.firstTop) << c.keyword;
        stepTextEffect(e, caption, surface, QStringLiteral("00:01"));
        EXPECT_EQ(caption.left, c.firstLeft + c.dLeft) << c.keyword;
        EXPECT_EQ(caption.top, c.firstTop + c.dTop) << c.keyword;
    }
}

int framesUntilStopped(TextEffectRecord& e, CaptionBox& caption, const QString& clock, int limit = 5000)
{
    for (int frame = 1; frame <= limit; ++frame) {
        stepTextEffect(e, caption, surface, clock);
        if (e.state == kw::stopped)
            return frame;
    }
    return -1;
}

TEST(TextMotion, StopTestOfTheTablePaths)
{
    // The table's own y for left-to-right is the preview's width, below a 289-high surface:
    // such a caption stops on its first frame.
    TextEffectRecord low = effect(QStringLiteral("congzuoxiangyou"), 0, 513);
    CaptionBox lowCaption{0, 0, 40, 20};
    EXPECT_EQ(framesUntilStopped(low, lowCaption, QStringLiteral("00:00")), 1);

    // Leaving to the left or the top never passes the stop test.
    for (const char* keyword : {"congyouxiangzuo", "youxiadaozuoshang"}) {
        TextEffectRecord e = effect(QString::fromLatin1(keyword), 0, 100);
        CaptionBox caption{0, 0, 40, 20};
        stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
        EXPECT_EQ(framesUntilStopped(e, caption, QStringLiteral("99:99")), -1) << keyword;
        EXPECT_LT(caption.left, -40);
    }
    // Bottom-left to top-right stops once its left passes the width, though its top is negative.
    TextEffectRecord e = effect(QStringLiteral("zuoxiadaoyoushang"));
    CaptionBox caption{0, 0, 40, 20};
    stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
    const int frames = 1 + framesUntilStopped(e, caption, QStringLiteral("00:01"));
    EXPECT_EQ(frames, (513 + 40) / 3 + 1);
    EXPECT_GT(caption.left, 513);
    EXPECT_LT(caption.top, 0);
    EXPECT_TRUE(caption.visible);  // stopping does not hide
}

TEST(TextMotion, AStoppedEffectStartsAgainWhileTheClockStandsOnItsStart)
{
    TextEffectRecord e = effect(QStringLiteral("congshangxiangxia"), 10, 0);
    CaptionBox caption{0, 0, 40, 20};
    const int frames = framesUntilStopped(e, caption, QStringLiteral("00:00"));
    ASSERT_GT(frames, 0);
    stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
    EXPECT_EQ(e.state, kw::running);
    EXPECT_EQ(caption.top, -20 + 3);

    TextEffectRecord later = effect(QStringLiteral("congshangxiangxia"), 10, 0, QStringLiteral("00:05"));
    CaptionBox other{0, 0, 40, 20};
    stepTextEffect(later, other, surface, QStringLiteral("00:00"));
    EXPECT_EQ(later.state, kw::stopped);
    EXPECT_FALSE(other.visible);
}

// Expected direction of travel for each name: sign of the horizontal and vertical movement,
// and where the caption stands across the motion (for straight paths).
struct NameCase {
    const char* name;
    int dx, dy;
};

TEST(TextMotion, EveryNameMovesTheWayItsWordsSay)
{
    const NameCase cases[] = {
        {"从左上向右下", 1, 1}, {"从左下到右下", 1, 0}, {"从右下到左下", -1, 0}, {"从左下到右上", 1, -1},
        {"从右上到左下", -1, 1}, {"从右下到左上", -1, -1}, {"从居中上向左下", -1, 1}, {"从居中上向右下", 1, 1},
        {"从居中下向左上", -1, -1}, {"从居中下向右上", 1, -1}, {"从居中上向居中下", 0, 1}, {"从居中下向居中上", 0, -1},
        {"从1/3左上向1/3左下(竖)", 0, 1}, {"从1/3左下向1/3左上(竖)", 0, -1}, {"从1/3右上向1/3右下(竖)", 0, 1},
        {"从1/3右下向1/3右上(竖)", 0, -1}, {"从1/2上向1/2下(竖)", 0, 1}, {"从1/2下向1/2上(竖)", 0, -1},
        {"从1/3左上向1/3右上(横)", 1, 0}, {"从1/3左下向1/3右下(横)", 1, 0}, {"从1/3右上向1/3左上(横)", -1, 0},
        {"从1/3右下向1/3左下(横)", -1, 0}, {"从1/2左向1/2右(横)", 1, 0}, {"从1/2右向1/2左(横)", -1, 0},
        {"从居中左向右下", 1, 1}, {"从居中左向右上", 1, -1}, {"从居中右向左下", -1, 1}, {"从居中右向左上", -1, -1},
        {"从居中左向居中右", 1, 0}, {"从居中右向居中左", -1, 0},
    };
    ASSERT_EQ(motionNames().size(), 30);
    for (int i = 0; i < 30; ++i) {
        const NameCase& c = cases[i];
        const QString name = QString::fromUtf8(c.name);
        ASSERT_EQ(motionNames()[i], name);
        const auto choice = motionForName(name, surface);
        ASSERT_TRUE(choice) << c.name;
        TextEffectRecord e = effect(choice->keyword, choice->x, choice->y);
        CaptionBox caption{0, 0, 40, 20};
        stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
        const QPoint first(caption.left, caption.top);
        for (int frame = 0; frame < 20; ++frame)
            stepTextEffect(e, caption, surface, QStringLiteral("00:01"));
        const QPoint moved = QPoint(caption.left, caption.top) - first;
        const auto sign = [](int v) { return (v > 0) - (v < 0); };
        EXPECT_EQ(sign(moved.x()), c.dx) << c.name;
        EXPECT_EQ(sign(moved.y()), c.dy) << c.name;
    }
}

TEST(TextMotion, CrossingPathsRunAlongTheirLineAndStopOutside)
{
    // The lower third, right to left: constant top at 2/3 of the height, gone off the left edge.
    const auto choice = motionForName(QStringLiteral("从1/3右下向1/3左下(横)"), surface);
    TextEffectRecord e = effect(choice->keyword);
    CaptionBox caption{0, 0, 40, 20};
    stepTextEffect(e, caption, surface, QStringLiteral("00:00"));
    EXPECT_EQ(caption.left, 513 - 3);
    EXPECT_EQ(caption.top, 289 * 2 / 3 - 10);
    const int frames = 1 + framesUntilStopped(e, caption, QStringLiteral("00:01"));
    EXPECT_EQ(frames, (513 + 40 + 2) / 3);
    EXPECT_EQ(caption.left, -40);
    EXPECT_EQ(caption.top, 289 * 2 / 3 - 10);

    // Along the bottom edge, inside the frame.
    const auto bottom = motionForName(QStringLiteral("从左下到右下"), surface);
    TextEffectRecord b = effect(bottom->keyword);
    CaptionBox box{0, 0, 40, 20};
    stepTextEffect(b, box, surface, QStringLiteral("00:00"));
    EXPECT_EQ(box.top, 289 - 20 - 10);
}

TEST(TextMotion, TableNamesSelectTheirRows)
{
    const auto first = motionForName(QStringLiteral("从左上向右下"), surface);
    EXPECT_EQ(first->keyword, QStringLiteral("zuoshangxiangyouxia"));
    EXPECT_EQ(motionForName(QStringLiteral("从右下到左上"), surface)->keyword, QStringLiteral("youxiadaozuoshang"));
    EXPECT_FALSE(motionForName(QStringLiteral("从左向右飞"), surface));
    const QList<MotionRow> table = motionTable(surface);
    ASSERT_EQ(table.size(), 7);
    EXPECT_EQ(table[1].y, 513);
    EXPECT_EQ(table[2].x, 289);
}

}  // namespace
}  // namespace xc
