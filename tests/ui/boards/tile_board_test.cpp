#include "ui/boards/tile_board.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

// A shown board of `count` tiles whose thumbnails are small real bitmaps.
struct ShownBoard {
    explicit ShownBoard(int count, QSize size = QSize(614, 500))
    {
        QList<TileItem> tiles;
        for (int i = 0; i < count; ++i) {
            const QString path = folder.filePath(QStringLiteral("tp_slt_1_%1.bmp").arg(i + 1));
            QImage picture(158, 120, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 37 % 360, 160, 200));
            picture.save(path);
            tiles.append({path, {}});
        }
        board.resize(size);
        board.setTiles(tiles);
        board.show();
    }

    void drag(int from, QPoint to, int steps = 5)
    {
        const QPoint press = board.tileRect(from).center();
        QTest::mouseMove(&board, press);
        QTest::mousePress(&board, Qt::LeftButton, {}, press);
        for (int step = 1; step <= steps; ++step)
            QTest::mouseMove(&board, press + (to - press) * step / steps);
        QTest::mouseRelease(&board, Qt::LeftButton, {}, to);
    }

    QTemporaryDir folder;
    TileBoard board;
};

TEST(TileBoard, DraggingATileOntoAnotherReportsTheDrop)
{
    struct Case {
        QPoint offset;
        int target;
    };
    for (const Case& c : {Case{{49, 0}, 1}, Case{{50, 0}, -1}, Case{{0, -49}, 1}}) {
        ShownBoard shown(6);
        QSignalSpy drops(&shown.board, &TileBoard::tilesDropped);
        const QPoint press = shown.board.tileRect(0).center();
        shown.drag(0, press + shown.board.tileRect(1).topLeft() - shown.board.tileRect(0).topLeft() + c.offset);
        ASSERT_EQ(drops.size(), 1);
        EXPECT_EQ(drops[0][0].toInt(), 0);
        EXPECT_EQ(drops[0][1].toInt(), c.target) << c.offset.x() << "," << c.offset.y();
        EXPECT_EQ(shown.board.selectedIndex(), 0);
    }
}

TEST(TileBoard, APointerLeavingTheBoardLeavesTheTileWhereItWasAndTheReleaseStillDrops)
{
    ShownBoard shown(6);
    QSignalSpy drops(&shown.board, &TileBoard::tilesDropped);
    const QPoint press = shown.board.tileRect(0).center();
    const QPoint nearTileOne = press + shown.board.tileRect(1).topLeft() - shown.board.tileRect(0).topLeft() + QPoint(40, 0);
    QTest::mouseMove(&shown.board, press);
    QTest::mousePress(&shown.board, Qt::LeftButton, {}, press);
    QTest::mouseMove(&shown.board, (press + nearTileOne) / 2);
    QTest::mouseMove(&shown.board, nearTileOne);
    // Up into the strip above the board's top 22 pixels: the tile no longer follows, even back down.
    const QPoint above(nearTileOne.x(), 10);
    QTest::mouseMove(&shown.board, above);
    QTest::mouseMove(&shown.board, shown.board.tileRect(4).center());
    QTest::mouseRelease(&shown.board, Qt::LeftButton, {}, shown.board.tileRect(4).center());
    ASSERT_EQ(drops.size(), 1);
    EXPECT_EQ(drops[0][1].toInt(), 1);
}

TEST(TileBoard, AfterADoubleClickPressesWaitForThePointerToMoveOverATile)
{
    ShownBoard shown(6);
    QSignalSpy opened(&shown.board, &TileBoard::tileDoubleClicked);
    const QPoint first = shown.board.tileRect(0).center();
    QTest::mouseMove(&shown.board, first);
    QTest::mouseClick(&shown.board, Qt::LeftButton, {}, first);  // a double click's first click
    QTest::mouseDClick(&shown.board, Qt::LeftButton, {}, first);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toInt(), 0);

    const QPoint other = shown.board.tileRect(2).center();
    QTest::mousePress(&shown.board, Qt::LeftButton, {}, other);
    QTest::mouseRelease(&shown.board, Qt::LeftButton, {}, other);
    EXPECT_EQ(shown.board.selectedIndex(), 0);

    QTest::mouseMove(&shown.board, other);
    QTest::mouseClick(&shown.board, Qt::LeftButton, {}, other);
    EXPECT_EQ(shown.board.selectedIndex(), 2);
}

TEST(TileBoard, ReloadingThumbnailsShowsFilesThatChangedNames)
{
    ShownBoard shown(2);
    const auto colourAt = [&shown](int tile) { return shown.board.grab().toImage().pixelColor(shown.board.tileRect(tile).center()); };
    const QColor first = colourAt(0);
    const QColor second = colourAt(1);
    ASSERT_NE(first, second);
    // What a drop does on disk: the two thumbnails exchange names.
    QDir folder(shown.folder.path());
    ASSERT_TRUE(folder.rename(QStringLiteral("tp_slt_1_1.bmp"), QStringLiteral("parked.bmp")));
    ASSERT_TRUE(folder.rename(QStringLiteral("tp_slt_1_2.bmp"), QStringLiteral("tp_slt_1_1.bmp")));
    ASSERT_TRUE(folder.rename(QStringLiteral("parked.bmp"), QStringLiteral("tp_slt_1_2.bmp")));
    shown.board.reloadThumbnails();
    EXPECT_EQ(colourAt(0), second);
    EXPECT_EQ(colourAt(1), first);
}

TEST(TileBoard, AClickSelectsWithoutADrop)
{
    ShownBoard shown(6);
    QSignalSpy drops(&shown.board, &TileBoard::tilesDropped);
    QSignalSpy selected(&shown.board, &TileBoard::selectionChanged);
    QTest::mouseMove(&shown.board, shown.board.tileRect(4).center());
    QTest::mouseClick(&shown.board, Qt::LeftButton, {}, shown.board.tileRect(4).center());
    EXPECT_EQ(drops.size(), 0);
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0][0].toInt(), 4);
    EXPECT_EQ(shown.board.hoveredIndex(), 4);
}

TEST(TileBoard, ScrollBarDragReachesBothEnds)
{
    ShownBoard shown(30);  // ten rows on a 500-pixel board
    const ScrollBarLayout bar = shown.board.scrollBar();
    ASSERT_TRUE(bar.visible);
    const int x = shown.board.width() - 7;
    QTest::mousePress(&shown.board, Qt::LeftButton, {}, QPoint(x, 8));
    QTest::mouseMove(&shown.board, QPoint(x, 8 + bar.travel + 100));
    EXPECT_EQ(shown.board.scrollOffset(), -bar.range);
    EXPECT_EQ(shown.board.tileAt(shown.board.tileRect(29).center()), 29);
    QTest::mouseMove(&shown.board, QPoint(x, -50));
    QTest::mouseRelease(&shown.board, Qt::LeftButton, {}, QPoint(x, -50));
    EXPECT_EQ(shown.board.scrollOffset(), 0);
}

TEST(TileBoard, DraggingOverAFullBoardReadsNoThumbnailAgain)
{
    ShownBoard shown(1000, QSize(1000, 700));
    shown.board.grab();  // the first paint reads what is on screen
    const int loaded = shown.board.thumbnailLoads();
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, 40);  // only the tiles on screen, never all thousand
    shown.drag(0, shown.board.tileRect(7).center(), 30);
    shown.board.grab();
    EXPECT_EQ(shown.board.thumbnailLoads(), loaded);
}

}  // namespace
}  // namespace xc::ui
