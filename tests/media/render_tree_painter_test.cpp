#include "media/flash_template_player.h"
#include "media/render_tree_painter.h"

#include "tests/media/movie_fixtures.h"

#include <rlottie.h>

#include <QPainter>

#include <limits>

#include <gtest/gtest.h>

namespace xc {
namespace {

using test::LayerTransform;

// The frame as the animation engine's own rasteriser draws it, over black.
QImage engineFrame(const QJsonObject& movie, QSize size)
{
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    auto animation = rlottie::Animation::loadFromData(test::lottieText(movie).toStdString(), "reference", "/", false);
    if (!animation)
        return {};
    animation->renderSync(0, rlottie::Surface(reinterpret_cast<uint32_t*>(drawn.bits()), size_t(size.width()), size_t(size.height()),
                                              size_t(drawn.bytesPerLine())));
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::black);
    QPainter(&frame).drawImage(0, 0, drawn);
    return frame;
}

QImage playerFrame(const test::TemplateFolder& folder, const QJsonObject& movie, QSize size)
{
    folder.writeMovie(movie);
    FlashTemplatePlayer player(size);
    const Status loaded = player.Movie(folder.moviePath());
    EXPECT_TRUE(loaded.ok()) << loaded.error().toStdString();
    return player.paintFrame();
}

TEST(RenderTreePainterTest, PictureUnderZoomAndRotationIsDrawnAsSmoothlyAsQPainterDrawsIt)
{
    test::TemplateFolder folder;
    const QSize canvas(1920, 1080), box(640, 480);
    folder.writeStartPicture(test::solidPicture(canvas, Qt::black));
    folder.writeSlotPicture(1, test::detailedPicture(box));
    LayerTransform transform{{320, 240}, {1000, 520}, 137, 23};
    const QJsonObject movie =
        test::movieJson({test::imageAsset("picture_1", box, "", "picture_1.rar")}, {test::imageLayer("picture_1", transform, 5)}, 5);

    const QImage frame = playerFrame(folder, movie, canvas);

    QImage expected(canvas, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::black);
    {
        QPainter painter(&expected);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.translate(1000, 520);
        painter.rotate(23);
        painter.scale(1.37, 1.37);
        painter.translate(-320, -240);
        painter.drawImage(0, 0, QImage(folder.slotPicturePath(1), "JPG"));
    }
    EXPECT_GE(test::psnr(frame, expected), 40.0);
}

struct ShapeScene {
    const char* name;
    QJsonArray layers;
    QJsonArray assets = {};
    // The engine's own rasteriser drops track mattes on most canvas sizes and ignores mask
    // opacity, though its render tree carries both. For those features the reference is its
    // drawing of an equivalent scene made of plain masks and layer opacity.
    QJsonArray equivalentLayers = {};
};

LayerTransform at(QPointF position, qreal scale = 100, qreal rotation = 0) { return LayerTransform{{0, 0}, position, scale, rotation}; }

QJsonObject withMasks(QJsonObject layer, const QJsonArray& masks)
{
    layer.insert("hasMask", true);
    layer.insert("masksProperties", masks);
    return layer;
}

QJsonObject withKey(QJsonObject layer, const char* key, int value)
{
    layer.insert(key, value);
    return layer;
}

const QSize sceneSize(400, 300);
const QJsonObject redBlock = test::shapeLayer(test::shapes({test::rectangle({200, 150}, {300, 200}), test::fill(QColor(220, 40, 40))}), at({0, 0}), 5);
const QJsonObject whiteDisc = test::shapeLayer(test::shapes({test::ellipse({200, 150}, {180, 180}), test::fill(Qt::white)}), at({0, 0}), 5);
const QJsonObject halfRedBlock =
    test::shapeLayer(test::shapes({test::rectangle({200, 150}, {300, 200}), test::fill(QColor(220, 40, 40))}), LayerTransform{{0, 0}, {0, 0}, 100, 0, test::still(50)}, 5);
const QJsonObject insideDisc = test::mask("a", test::circlePath({200, 150}, 90));
const QJsonObject outsideDisc = test::mask("s", test::circlePath({200, 150}, 90));
const QJsonObject greyDisc = test::shapeLayer(test::shapes({test::ellipse({200, 150}, {180, 180}), test::fill(QColor(128, 128, 128))}), at({0, 0}), 5);

std::vector<ShapeScene> shapeScenes()
{
    const QJsonObject precompAsset{
        {"id", "group"},
        {"layers", QJsonArray{withKey(test::shapeLayer(test::shapes({test::rectangle({150, 150}, {160, 160}), test::fill(Qt::green)}), at({0, 0}), 5), "ind", 1),
                              withKey(test::shapeLayer(test::shapes({test::rectangle({230, 170}, {160, 160}), test::fill(Qt::blue)}), at({0, 0}), 5), "ind", 2)}}};
    QJsonObject precompLayer{{"ddd", 0}, {"ty", 0}, {"nm", "group"}, {"refId", "group"}, {"sr", 1}, {"ip", 0}, {"op", 5}, {"st", 0},
                             {"w", 400}, {"h", 300}, {"ks", test::transformOf(LayerTransform{{0, 0}, {0, 0}, 100, 0, test::still(50)})}};
    return {
        {"FillsStrokesAndTransforms",
         {test::shapeLayer(test::shapes({test::ellipse({0, 0}, {120, 80}), test::stroke(QColor(250, 220, 0), 9), test::fill(QColor(30, 160, 90))}),
                           at({140, 120}, 120, 30), 5),
          test::shapeLayer(test::shapes({test::rectangle({0, 0}, {200, 120}, 24), test::fill(QColor(40, 90, 220))}), at({250, 180}, 90, -15), 5)}},
        {"Gradients",
         {test::shapeLayer(test::shapes({test::ellipse({300, 100}, {160, 160}), test::radialGradientFill({300, 100}, 80, Qt::white, QColor(200, 0, 100))}),
                           at({0, 0}), 5),
          test::shapeLayer(test::shapes({test::rectangle({200, 150}, {360, 260}), test::linearGradientFill({20, 0}, {380, 0}, Qt::yellow, Qt::blue)}),
                           at({0, 0}), 5)}},
        {"AddMask", {withMasks(redBlock, {insideDisc})}},
        {"SubtractMask", {withMasks(redBlock, {outsideDisc})}},
        {"AddThenIntersectMasks",
         {withMasks(redBlock, {test::mask("a", test::circlePath({150, 150}, 90)), test::mask("i", test::circlePath({250, 150}, 90))})}},
        {"HalfOpaqueMask", {withMasks(redBlock, {test::mask("a", test::circlePath({200, 150}, 90), 50)})}, {}, {withMasks(halfRedBlock, {insideDisc})}},
        {"AlphaMatte", {withKey(whiteDisc, "td", 1), withKey(redBlock, "tt", 1)}, {}, {withMasks(redBlock, {insideDisc})}},
        {"InvertedAlphaMatte", {withKey(whiteDisc, "td", 1), withKey(redBlock, "tt", 2)}, {}, {withMasks(redBlock, {outsideDisc})}},
        // Grey 128 covers half.
        {"LumaMatte", {withKey(greyDisc, "td", 1), withKey(redBlock, "tt", 3)}, {}, {withMasks(halfRedBlock, {insideDisc})}},
        {"InvertedLumaMatte",
         {withKey(greyDisc, "td", 1), withKey(redBlock, "tt", 4)},
         {},
         {withMasks(redBlock, {outsideDisc}), withMasks(halfRedBlock, {insideDisc})}},
        {"PrecompositionWithGroupOpacity", {precompLayer}, {precompAsset}},
    };
}

class ShapeSceneTest : public ::testing::TestWithParam<ShapeScene> {};

TEST_P(ShapeSceneTest, MatchesTheEnginesOwnDrawing)
{
    test::TemplateFolder folder;
    folder.writeStartPicture(test::solidPicture(sceneSize, Qt::black));
    // The start picture is listed but not shown, so the player's asset rewriting is exercised.
    QJsonArray assets = GetParam().assets;
    assets.append(test::imageAsset("picture_0", sceneSize, test::TemplateFolder::startPictureAssetFolder, "picture_0.rar"));
    const QJsonObject movie = test::movieJson(assets, GetParam().layers, 5, {test::templateMarker()}, sceneSize);

    const QImage expected = engineFrame(GetParam().equivalentLayers.isEmpty()
                                            ? movie
                                            : test::movieJson(GetParam().assets, GetParam().equivalentLayers, 5, {}, sceneSize),
                                        sceneSize);
    const QImage frame = playerFrame(folder, movie, sceneSize);

    ASSERT_FALSE(expected.isNull());
    EXPECT_GE(test::psnr(frame, expected), 30.0);
}

INSTANTIATE_TEST_SUITE_P(Scenes, ShapeSceneTest, ::testing::ValuesIn(shapeScenes()),
                         [](const ::testing::TestParamInfo<ShapeScene>& param) { return std::string(param.param.name); });

TEST(RenderTreePainterTest, PixelsWithinTheLimitWhateverTheBounds)
{
    const QRect limit(0, 0, 1920, 1080);
    const qreal huge = 1.8e16, nan = std::numeric_limits<qreal>::quiet_NaN(), inf = std::numeric_limits<qreal>::infinity();
    struct Case {
        const char* what;
        QRectF bounds;
        QRect expected;
    } cases[] = {
        {"inside, with a pixel for the antialiased edge", QRectF(10.5, 20.5, 100, 50), QRect(QPoint(9, 19), QPoint(111, 71))},
        {"reaching past the limit", QRectF(-500, 1000, 3000, 500), QRect(QPoint(0, 999), QPoint(1919, 1079))},
        {"just outside: its antialiased edge", QRectF(1920.5, 10, 10, 10), QRect(QPoint(1919, 9), QPoint(1919, 20))},
        {"far to the right", QRectF(huge, 540, 960, 540), QRect()},
        {"far to the left", QRectF(-huge, 540, 960, 540), QRect()},
        {"spanning everything", QRectF(-huge, -huge, 2 * huge, 2 * huge), limit},
        {"endless", QRectF(QPointF(-inf, -inf), QPointF(inf, inf)), limit},
        {"undefined", QRectF(nan, nan, nan, nan), limit},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RenderTreePainter::pixelsWithin(c.bounds, limit), c.expected) << c.what;
}

}  // namespace
}  // namespace xc
