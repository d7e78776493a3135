#include "ui/photos/photo_board_controller.h"

#include "core/keywords.h"
#include "photos/random_source.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/boards/board_area.h"
#include "ui/boards/tile_board.h"
#include "ui/shell/main_layout.h"
#include "ui/shell/main_window.h"

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

// The five-photo album of the core tests on a shown main window.
struct BoardOnScreen {
    BoardOnScreen() : window(album.model, album.tree.workspace(), dialogs, *random)
    {
        window.applyLayout(layoutKeyword::start);
        window.resize(1366, 768);  // room for several tiles a row on any test screen
        window.show();
        window.photoBoard()->rebuild();
        board = window.photoBoard()->board();
    }

    // Drags tile `from` so that it lands `offset` away from tile `onto`'s place, and lets go.
    void drag(int from, int onto, QPoint offset) const
    {
        const QPoint press = board->tileRect(from).center();
        const QPoint release = press + (board->tileRect(onto).topLeft() - board->tileRect(from).topLeft()) + offset;
        QTest::mouseMove(board, press);
        QTest::mousePress(board, Qt::LeftButton, {}, press);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(board, press + (release - press) * step / 4);
        QTest::mouseRelease(board, Qt::LeftButton, {}, release);
    }

    test::FiveLandscapeAlbum album;
    test::RecordingDialogs dialogs;
    std::unique_ptr<RandomSource> random = seededRandomSource(1);
    MainWindow window;
    TileBoard* board = nullptr;
};

TEST(PhotoBoard, ADropUnderFiftyPixelsExchangesThePhotosAndRenumbersTheGroups)
{
    struct Case {
        QPoint offset;
        bool exchanges;
    };
    for (const Case& c : {Case{{49, 49}, true}, Case{{50, 0}, false}, Case{{0, 50}, false}, Case{{-49, 0}, true}}) {
        SCOPED_TRACE(testing::Message() << c.offset.x() << "," << c.offset.y());
        BoardOnScreen screen;
        const QStringList paths = test::column(screen.album.model.photos, &PhotoRecord::path);
        const QByteArray firstThumbnail = test::readFile(screen.album.thumbnail(1));
        const QByteArray secondThumbnail = test::readFile(screen.album.thumbnail(2));

        screen.drag(0, 1, c.offset);  // L1 (group 1) onto L2 (group 2, slot 1)

        const PhotoTable& photos = screen.album.model.photos;
        if (c.exchanges) {
            EXPECT_EQ(test::column(photos, &PhotoRecord::path),
                      (QStringList{paths[1], paths[0], paths[2], paths[3], paths[4]}));
            // L2's group comes first now, so it takes number 1; the thumbnails follow their photos.
            EXPECT_EQ(test::column(photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "1", "3", "4"}));
            EXPECT_EQ(test::readFile(screen.album.thumbnail(1)), secondThumbnail);
            EXPECT_EQ(test::readFile(screen.album.thumbnail(2)), firstThumbnail);
        } else {
            EXPECT_EQ(test::column(photos, &PhotoRecord::path), paths);
            EXPECT_EQ(test::column(photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "2", "3", "4"}));
            EXPECT_EQ(test::readFile(screen.album.thumbnail(1)), firstThumbnail);
        }
        EXPECT_EQ(test::column(photos, &PhotoRecord::seq), (QStringList{"1", "2", "3", "4", "5"}));
        // The list form shows the new order at once.
        QTreeWidget* list = screen.window.boardArea(BoardKind::Photos)->listView();
        EXPECT_EQ(list->topLevelItem(0)->text(7), photos[0].path.toLower());
    }
}

TEST(PhotoBoard, PressSelectsAndListViewKeepsTheTable)
{
    BoardOnScreen screen;
    AlbumModel& model = screen.album.model;
    const QStringList before = test::rowValues(model.photos);
    QTest::mouseMove(screen.board, screen.board->tileRect(2).center());
    QTest::mouseClick(screen.board, Qt::LeftButton, {}, screen.board->tileRect(2).center());
    EXPECT_EQ(model.settings.selectedId, QStringLiteral("2"));
    EXPECT_EQ(screen.window.photoBoard()->selectedRow(), 2);
    EXPECT_EQ(model.settings.previewShown, QStringLiteral("True"));

    screen.window.photoBoard()->runCommand(AreaCommand::List);
    EXPECT_EQ(model.settings.boardView, kw::boardList);
    EXPECT_EQ(screen.window.boardArea(BoardKind::Photos)->listView()->topLevelItemCount(), 5);
    screen.window.photoBoard()->runCommand(AreaCommand::Tiles);
    EXPECT_EQ(model.settings.boardView, kw::boardIcons);
    EXPECT_EQ(test::rowValues(model.photos), before);
}

TEST(PhotoBoard, ItemHintNamesThePhoto)
{
    PhotoRecord photo;
    photo.name = QStringLiteral("海边");
    photo.ext = QStringLiteral(".jpg");
    photo.width = QStringLiteral("3000");
    photo.height = QStringLiteral("4000");
    photo.orientation = kw::portraitPhoto;
    EXPECT_EQ(photoItemHint(photo, 2), QStringLiteral("名称：海边\n类型：JPG\n尺寸：3000*4000\n方向：竖照相片\n序号：3"));
}

}  // namespace
}  // namespace xc::ui
