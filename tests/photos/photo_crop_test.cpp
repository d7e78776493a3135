#include "photos/photo_crop.h"

#include "photos/board_order.h"
#include "photos/photo_deletion.h"
#include "tests/photos/photo_fixtures.h"

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

// Every pixel of the picture (sampled on a grid) is `colour`.
bool allOf(const QImage& picture, QColor colour)
{
    for (int y = 5; y < picture.height(); y += picture.height() / 7)
        for (int x = 5; x < picture.width(); x += picture.width() / 7)
            if (!sameColour(picture.pixelColor(x, y), colour, 40))
                return false;
    return !picture.isNull();
}

// L2 (a 400 × 300 quadrant photo: tint, green / blue, white) sits in slot 1 of group 2 (800 × 600).
TEST(PhotoCrop, TheSlotShowsTheCropWhereverThePhotoGoesAndTheWholePhotoAfterAReset)
{
    FiveLandscapeAlbum album;
    const Workspace& workspace = album.tree.workspace();
    ASSERT_TRUE(setPhotoCrop(album.model, workspace, 1, PhotoCrop{QRect(200, 0, 200, 150), 0}).ok());
    EXPECT_EQ(album.model.photos[1].crop, QStringLiteral("200,0,200,150,0"));
    QImage slot = loadPicture(album.instanceFile("2", "picture_1.rar"));
    EXPECT_EQ(slot.size(), QSize(800, 600));
    EXPECT_TRUE(allOf(slot, Qt::green));

    // Other photos exchanged and deleted: the crop stays with L2 and its slot picture with it.
    exchangePhotos(album.model, workspace, 0, 3);
    ASSERT_EQ(deletePhoto(album.model, workspace, 0), DeletionOutcome::Deleted);
    ASSERT_EQ(album.model.photos[0].path, album.paths[1]);
    EXPECT_EQ(album.model.photos[0].crop, QStringLiteral("200,0,200,150,0"));
    EXPECT_TRUE(allOf(loadPicture(album.instanceFile(album.model.photos[0].templateFolder, "picture_1.rar")), Qt::green));

    // A quarter turn clockwise puts the blue quadrant top left.
    ASSERT_TRUE(setPhotoCrop(album.model, workspace, 0, PhotoCrop{QRect(0, 0, 140, 105), 1}).ok());
    EXPECT_TRUE(allOf(loadPicture(album.instanceFile(album.model.photos[0].templateFolder, "picture_1.rar")), Qt::blue));

    ASSERT_TRUE(setPhotoCrop(album.model, workspace, 0, PhotoCrop{}).ok());
    EXPECT_TRUE(album.model.photos[0].crop.isEmpty());
    slot = loadPicture(album.instanceFile(album.model.photos[0].templateFolder, "picture_1.rar"));
    EXPECT_TRUE(sameColour(slot.pixelColor(20, 20), album.tints[1]));
    EXPECT_TRUE(sameColour(slot.pixelColor(780, 580), Qt::white));
}

TEST(PhotoCrop, AFrameNeverLeavesThePhotoAndKeepsTheSlotsShape)
{
    const QSize photo(400, 300);
    const QSize aspect(16, 9);
    struct Case {
        PhotoCrop asked;
        QRect kept;
    };
    const Case cases[] = {
        {{QRect(100, 50, 160, 90), 0}, QRect(100, 50, 160, 90)},   // inside: as asked
        {{QRect(350, 250, 160, 90), 0}, QRect(240, 210, 160, 90)},  // past the corner: moved in
        {{QRect(-40, -10, 160, 90), 0}, QRect(0, 0, 160, 90)},
        {{QRect(0, 0, 900, 500), 0}, QRect(0, 0, 400, 225)},       // too big: the largest of its shape
        {{QRect(0, 0, 160, 40), 0}, QRect(0, 0, 160, 90)},         // the height follows the width
        {{QRect(0, 300, 400, 225), 1}, QRect(0, 231, 300, 169)},   // turned: the photo is 300 × 400
    };
    for (const Case& c : cases)
        EXPECT_EQ(clampedCrop(photo, c.asked, aspect).rect, c.kept) << c.asked.rect.x() << "," << c.asked.rect.y();
    EXPECT_EQ(cropAround(photo, 0, aspect, QPointF(200, 150)).rect, QRect(0, 38, 400, 225));
    EXPECT_EQ(photoCropOf(photoCropText(PhotoCrop{QRect(1, 2, 3, 4), 3})), (PhotoCrop{QRect(1, 2, 3, 4), 3}));

    // Moved to a slot of another shape, a crop keeps its centre and its share of the photo.
    PhotoRecord row;
    row.width = QStringLiteral("400");
    row.height = QStringLiteral("300");
    row.slotWidth = QStringLiteral("1920");
    row.slotHeight = QStringLiteral("1080");
    row.crop = QStringLiteral("100,75,200,150,0");  // 4:3, a quarter of the photo in its middle
    const PhotoCrop moved = cropForSlot(row);
    EXPECT_NEAR(moved.rect.width() * 9, moved.rect.height() * 16, 16);
    EXPECT_NEAR(QRectF(moved.rect).center().x(), 200, 2);
    EXPECT_NEAR(QRectF(moved.rect).center().y(), 150, 2);
    EXPECT_NEAR(double(moved.rect.width()) * moved.rect.height(), 200.0 * 150, 600);  // the same share
    EXPECT_TRUE(photoCropOf(QStringLiteral("1,2,x,4,0")).isEmpty());
}

}  // namespace
