#include "ui/tools/photo_crop_window.h"

#include "tests/photos/photo_fixtures.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

QWidget* canvasOf(PhotoCropWindow& window)
{
    for (QWidget* child : window.body()->findChildren<QWidget*>())
        if (child->size() == QSize(720, 480))
            return child;
    return nullptr;
}

// L2 is a 400 × 300 photo in an 800 × 600 slot; the canvas shows it at 640 × 480 (1.6 times).
TEST(PhotoCropWindow, KeysMouseAndTurnsShapeTheFrameWhichOkAppliesToTheSlot)
{
    test::FiveLandscapeAlbum album;
    test::RecordingDialogs dialogs;
    PhotoCropWindow window(album.model, album.tree.workspace(), dialogs, 1);
    window.show();
    ASSERT_EQ(window.currentPhoto(), 1);
    EXPECT_TRUE(window.crop().isEmpty());

    QWidget* canvas = canvasOf(window);
    ASSERT_NE(canvas, nullptr);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(canvas, Qt::Key_Minus);
    const QRect smaller = window.crop().rect;
    EXPECT_LT(smaller.width(), 400);
    EXPECT_NEAR(smaller.width() * 3, smaller.height() * 4, 4);  // the slot's 4:3, to the pixel
    QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_EQ(window.crop().rect.topLeft(), smaller.topLeft() + QPoint(2, 0));

    // Dragged 32 canvas pixels left and up: 20 photo pixels, as far as the photo allows.
    const QPoint centre(40 + int((window.crop().rect.center().x()) * 1.6), int(window.crop().rect.center().y() * 1.6));
    const QRect before = window.crop().rect;
    QTest::mousePress(canvas, Qt::LeftButton, {}, centre);
    QTest::mouseMove(canvas, centre - QPoint(32, 32));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, centre - QPoint(32, 32));
    EXPECT_EQ(window.crop().rect.topLeft(), QPoint(std::max(0, before.x() - 20), std::max(0, before.y() - 20)));
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(canvas, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(window.crop().rect.top(), 0);  // never off the photo

    window.turnRight();  // 300 × 400 now: the largest 4:3 frame is 300 × 225
    EXPECT_EQ(window.crop().turns, 1);
    EXPECT_EQ(window.crop().rect.size(), QSize(300, 225));

    window.reject();
    EXPECT_TRUE(album.model.photos[1].crop.isEmpty());
    window.accept();
    EXPECT_TRUE(window.changedAlbum());
    EXPECT_EQ(album.model.photos[1].crop, QStringLiteral("0,88,300,225,1"));
    EXPECT_EQ(test::loadPicture(album.instanceFile("2", "picture_1.rar")).size(), QSize(800, 600));
}

}  // namespace
}  // namespace xc::ui
