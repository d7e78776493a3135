#include "ui/boards/board_geometry.h"

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

TEST(BoardGeometry, TilesFillRowsOfWholeColumns)
{
    // 614 − 14 = 600 inner pixels: three 180-pixel tiles with their gaps.
    const BoardLayout layout = layOutTiles(7, QSize(180, 180), QSize(614, 500));
    EXPECT_EQ(layout.columns, 3);
    EXPECT_EQ(layout.tileHomes[0], QPoint(10, 10));
    EXPECT_EQ(layout.tileHomes[2], QPoint(410, 10));
    EXPECT_EQ(layout.tileHomes[3], QPoint(10, 210));
    EXPECT_EQ(layout.inner, QSize(600, 410 + 180 + 10));  // three rows

    EXPECT_EQ(layOutTiles(2, QSize(180, 180), QSize(614, 500)).inner.height(), 500);  // never below the board
    const BoardLayout narrow = layOutTiles(3, QSize(180, 180), QSize(150, 500));
    EXPECT_EQ(narrow.columns, 0);
    EXPECT_EQ(narrow.tileHomes[2].y(), 10);  // no room for a column: one row

    // Settings text that is no positive number gives tiles of one pixel.
    for (const QSize tile : {QSize(0, 0), QSize(-20, -20)}) {
        const BoardLayout degenerate = layOutTiles(3, tile, QSize(614, 500));
        EXPECT_EQ(degenerate.columns, 600 / 21);
        EXPECT_EQ(degenerate.tileHomes[2], QPoint(2 * 21 + 10, 10));
    }
}

TEST(BoardGeometry, ScrollBarMapsItsTravelOntoTheRange)
{
    EXPECT_FALSE(layOutScrollBar(500, 500).visible);
    EXPECT_EQ(innerTopForBar(layOutScrollBar(500, 500), 100), 0);

    const ScrollBarLayout bar = layOutScrollBar(500, 1210);
    ASSERT_TRUE(bar.visible);
    EXPECT_EQ(bar.thumbHeight, 17);
    EXPECT_EQ(bar.range, 710);
    EXPECT_EQ(bar.travel, 500 - 17 - 34);
    EXPECT_EQ(innerTopForBar(bar, 0), 0);
    EXPECT_EQ(innerTopForBar(bar, bar.travel), -710);
    EXPECT_EQ(innerTopForBar(bar, bar.travel + 40), -710);  // pushed past the end
    EXPECT_EQ(innerTopForBar(bar, -30), 0);
    EXPECT_EQ(barTopForInner(bar, innerTopForBar(bar, bar.travel)), bar.travel);

    const ScrollBarLayout medium = layOutScrollBar(500, 700);  // thumb 2 × 500 − 700
    EXPECT_EQ(medium.thumbHeight, 300);
    EXPECT_EQ(medium.travel, 166);
}

TEST(BoardGeometry, APanelBarelyTallerThanTheBoardStillScrollsWithoutDividingByZero)
{
    for (int extra : {1, 20, 34}) {
        const ScrollBarLayout bar = layOutScrollBar(500, 500 + extra);
        ASSERT_TRUE(bar.visible);
        EXPECT_EQ(bar.travel, extra);
        EXPECT_EQ(innerTopForBar(bar, 0), 0);
        EXPECT_EQ(innerTopForBar(bar, bar.travel), -extra);
    }
    const ScrollBarLayout cramped = layOutScrollBar(40, 90);  // no room for the caps
    EXPECT_EQ(cramped.travel, 0);
    EXPECT_EQ(innerTopForBar(cramped, 10), 0);
    EXPECT_EQ(barTopForInner(cramped, -20), 0);
}

TEST(BoardGeometry, ADropHitsATileStrictlyCloserThanFiftyPixels)
{
    const QList<QPoint> homes = layOutTiles(6, QSize(180, 180), QSize(614, 500)).tileHomes;
    struct Case {
        QPoint offset;
        int target;
    };
    for (const Case& c : {Case{{49, 49}, 1}, Case{{-49, -49}, 1}, Case{{50, 0}, -1}, Case{{0, 50}, -1}, Case{{0, 0}, 1}}) {
        EXPECT_EQ(dropTarget(homes, 0, homes[1] + c.offset), c.target) << c.offset.x() << "," << c.offset.y();
    }
    EXPECT_EQ(dropTarget(homes, 0, homes[0] + QPoint(5, 5)), -1);  // its own place is no target
    EXPECT_EQ(dropTarget(homes, 4, homes[0] + QPoint(10, -10)), 0);
}

TEST(BoardGeometry, PlaceholdersTileTheEmptyBoard)
{
    const QList<QPoint> positions = placeholderPositions(QSize(600, 400));
    EXPECT_EQ(positions.size(), 2 * 2);  // 600 / 205 columns, 400 / 185 rows
    EXPECT_EQ(positions.first(), QPoint(25, -15));
    EXPECT_EQ(positions.last(), QPoint(230, 165));
}

}  // namespace
}  // namespace xc::ui
