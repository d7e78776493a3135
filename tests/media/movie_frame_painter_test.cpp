#include "media/flash_template_player.h"

#include "tests/media/movie_fixtures.h"

#include <gtest/gtest.h>

namespace xc {
namespace {

using test::LayerTransform;

constexpr int frames = 12;
const QSize canvas(640, 360);

// Layers that hold still, fade, move as a whole, change shape, or are hidden for a while under
// a picture that covers the frame: every way a remembered layer can be right or wrong.
QJsonObject busyMovie()
{
    LayerTransform still{{0, 0}, {0, 0}};
    const QJsonObject background = test::shapeLayer(
        test::shapes({test::rectangle({320, 180}, {660, 380}), test::linearGradientFill({0, 0}, {640, 0}, QColor(30, 40, 90), QColor(200, 120, 60))}), still,
        frames);

    QJsonArray rings;
    for (int i = 0; i < 12; ++i) {
        QJsonObject ring = test::stroke(QColor(0, 0, 0), 3);
        ring.insert("o", test::still(5 + 5 * i));
        rings.append(test::rectangle({0, 0}, {200.0 + 6 * i, 120.0 + 6 * i}, 12));
        rings.append(ring);
    }
    LayerTransform moving{{0, 0}, {300, 170}};
    QJsonObject ringLayer = test::shapeLayer(rings, moving, frames);
    QJsonObject ks = ringLayer.value("ks").toObject();
    ks.insert("r", test::linear(0, 0, 8, frames - 1));
    ks.insert("s", test::linear(QJsonArray{100, 100, 100}, 0, QJsonArray{106, 106, 100}, frames - 1));
    ks.insert("o", test::linear(100, 3, 55, frames - 1));
    ringLayer.insert("ks", ks);

    QJsonObject growing = test::shapeLayer(test::shapes({test::ellipse({500, 90}, {60, 40}), test::fill(QColor(250, 250, 240))}), still, frames);
    QJsonObject growingShape = growing.value("shapes").toArray().at(0).toObject();
    QJsonArray items = growingShape.value("it").toArray();
    QJsonObject ellipse = items.at(0).toObject();
    ellipse.insert("s", test::linear(QJsonArray{60, 40}, 0, QJsonArray{60, 140}, frames - 1));
    items.replace(0, ellipse);
    growingShape.insert("it", items);
    growing.insert("shapes", QJsonArray{growingShape});

    // The picture covers the frame from frame 6 on (92 % → 115 %), hiding all below it.
    LayerTransform cover{{320, 180}, {320, 180}};
    QJsonObject picture = test::imageLayer("picture_1", cover, frames);
    ks = picture.value("ks").toObject();
    ks.insert("s", test::linear(QJsonArray{92, 92, 100}, 0, QJsonArray{115, 115, 100}, frames - 1));
    picture.insert("ks", ks);

    const QJsonArray assets{test::imageAsset("picture_0", canvas, test::TemplateFolder::startPictureAssetFolder, "picture_0.rar"),
                            test::imageAsset("picture_1", canvas, "", "picture_1.rar")};
    return test::movieJson(assets, {growing, picture, ringLayer, background}, frames, {test::templateMarker()}, canvas);
}

TEST(MovieFramePainterTest, FramesPaintedInOrderMatchFramesPaintedAlone)
{
    test::TemplateFolder folder;
    folder.writeStartPicture(test::solidPicture(canvas, Qt::black));
    folder.writeSlotPicture(1, test::detailedPicture(canvas));
    folder.writeMovie(busyMovie());

    FlashTemplatePlayer inOrder(canvas);
    ASSERT_TRUE(inOrder.Movie(folder.moviePath()).ok());
    QImage sequential;
    for (int k = 0; k < frames; ++k) {
        inOrder.FrameNum(k);
        inOrder.paintFrame(sequential);

        FlashTemplatePlayer alone(canvas);
        ASSERT_TRUE(alone.Movie(folder.moviePath()).ok());
        alone.FrameNum(k);
        EXPECT_GE(test::psnr(sequential, alone.paintFrame()), 40.0) << "frame " << k;
    }
}

TEST(MovieFramePainterTest, LayersShowUntilAPictureCoversTheWholeFrame)
{
    test::TemplateFolder folder;
    folder.writeStartPicture(test::solidPicture(canvas, Qt::black));
    folder.writeSlotPicture(1, test::solidPicture(canvas, QColor(20, 200, 20)));
    folder.writeMovie(busyMovie());
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());

    player.FrameNum(0);
    const QRgb corner = player.paintFrame().pixel(2, 2);
    EXPECT_LT(qGreen(corner), 100) << "at 92 % the picture leaves the background's corner visible";
    player.FrameNum(frames - 1);
    const QImage covered = player.paintFrame();
    EXPECT_GT(qGreen(covered.pixel(2, 2)), 180);
    EXPECT_GT(qRed(covered.pixel(500, 40)), 200) << "the layer above the picture still shows";
}

}  // namespace
}  // namespace xc
