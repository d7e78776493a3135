#include "media/flash_template_player.h"

#include "tests/media/movie_fixtures.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace xc {
namespace {

using test::LayerTransform;

constexpr int frames = 10;
const QSize canvas(1920, 1080);

// The colour at the centre of `rect`, averaged over a small patch to ignore JPEG noise.
QColor colourAt(const QImage& image, QPoint centre)
{
    int red = 0, green = 0, blue = 0, count = 0;
    for (int y = centre.y() - 2; y <= centre.y() + 2; ++y) {
        for (int x = centre.x() - 2; x <= centre.x() + 2; ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return QColor(red / count, green / count, blue / count);
}

// Records the player's notifications; wait() runs the event loop until one arrives.
class CommandLog {
public:
    explicit CommandLog(FlashTemplatePlayer& player)
    {
        QObject::connect(&player, &FlashTemplatePlayer::FSCommand, &m_context, [this](const QString& command, const QString&) {
            commands << command;
            m_loop.quit();
        });
    }

    bool wait(int milliseconds = 5000)
    {
        if (!commands.isEmpty())
            return true;
        QTimer::singleShot(milliseconds, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        return !commands.isEmpty();
    }

    QStringList commands;

private:
    QObject m_context;
    QEventLoop m_loop;
};

bool near(const QColor& actual, const QColor& expected, int tolerance = 12)
{
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

// The start picture fills the frame and fades out over the movie; slot 1, a 960 × 540 box in
// the middle, is underneath.
QJsonObject crossfadeMovie()
{
    const QJsonArray assets{test::imageAsset("picture_0", canvas, test::TemplateFolder::startPictureAssetFolder, "picture_0.rar"),
                            test::imageAsset("picture_1", QSize(960, 540), "", "picture_1.rar")};
    LayerTransform start{{960, 540}, {960, 540}};
    start.opacity = test::linear(100, 0, 0, frames - 1);
    const QJsonArray layers{test::imageLayer("picture_0", start, frames), test::imageLayer("picture_1", {{480, 270}, {960, 540}}, frames)};
    return test::movieJson(assets, layers, frames);
}

class FlashTemplatePlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeStartPicture(test::solidPicture(canvas, Qt::red));
        folder.writeSlotPicture(1, test::solidPicture(QSize(960, 540), Qt::blue));
        folder.writeMovie(crossfadeMovie());
    }

    test::TemplateFolder folder;
};

TEST_F(FlashTemplatePlayerTest, LoadsTheMovieAndAnnouncesTheStartPictureThroughTheEventLoop)
{
    FlashTemplatePlayer player(canvas);
    CommandLog log(player);

    const Status loaded = player.Movie(folder.moviePath());

    ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
    EXPECT_EQ(player.GetVariable("l_x_z_f_c"), "l_x_z_f_c_s_y_w_j");
    EXPECT_EQ(player.TotalFrames(), frames);
    EXPECT_EQ(player.frameRate(), 25);
    EXPECT_TRUE(log.commands.isEmpty()) << "the notification must come through the event loop, not from inside Movie";
    ASSERT_TRUE(log.wait());
    EXPECT_EQ(log.commands, QStringList{"picture_0"});
}

TEST_F(FlashTemplatePlayerTest, VariablesReadMarkersAndKeepWhatIsSet)
{
    folder.writeMovie(test::movieJson({}, {}, frames, {test::templateMarker(), QJsonObject{{"tm", 0}, {"cm", "xc_alpha=100"}, {"dr", 0}},
                                                      QJsonObject{{"tm", 5}, {"cm", "intro"}, {"dr", 2}}}));
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());

    EXPECT_EQ(player.GetVariable("xc_alpha"), "100");
    EXPECT_EQ(player.GetVariable("intro"), "");
    player.SetVariable("xc_alpha", "0");
    EXPECT_EQ(player.GetVariable("xc_alpha"), "0");

    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    EXPECT_EQ(player.GetVariable("xc_alpha"), "100") << "a new load starts from the movie's own markers";
}

TEST_F(FlashTemplatePlayerTest, PaintedFramesFollowTheMovie)
{
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.Stop();

    QImage frame;
    player.FrameNum(0);
    player.paintFrame(frame);
    ASSERT_EQ(frame.size(), canvas);
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), Qt::red));
    EXPECT_TRUE(near(colourAt(frame, {20, 20}), Qt::red)) << "the start picture fills frame 0";

    player.FrameNum(frames / 2);
    player.paintFrame(frame);
    // Opacity 100 % → 0 % over frames 0 … 9: 44 % at frame 5.
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), QColor(113, 0, 142))) << "half way the start picture is partly faded over the slot";

    player.FrameNum(frames - 1);
    const uchar* reused = frame.constBits();
    player.paintFrame(frame);
    EXPECT_EQ(frame.constBits(), reused) << "a host-sized target is painted in place";
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), Qt::blue)) << "the slot picture shows at the end";
    EXPECT_TRUE(near(colourAt(frame, {20, 20}), Qt::black)) << "outside the slot's box the frame is empty";

    player.FrameNum(frames + 50);
    EXPECT_EQ(player.CurrentFrame(), frames - 1);
    player.FrameNum(-3);
    EXPECT_EQ(player.CurrentFrame(), 0);
}

TEST_F(FlashTemplatePlayerTest, PreviewHostPaintsTheSameFrameScaledDown)
{
    FlashTemplatePlayer player(QSize(800, 450));
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.FrameNum(frames - 1);
    const QImage frame = player.paintFrame();

    ASSERT_EQ(frame.size(), QSize(800, 450));
    EXPECT_TRUE(near(colourAt(frame, {400, 225}), Qt::blue));
    // The 960 × 540 box spans 200 … 600 across at this size.
    EXPECT_TRUE(near(colourAt(frame, {210, 225}), Qt::blue));
    EXPECT_TRUE(near(colourAt(frame, {190, 225}), Qt::black));
}

TEST_F(FlashTemplatePlayerTest, PictureOfAnotherSizeIsFittedIntoItsBoxCentred)
{
    // A 400 × 200 picture in a 960 × 540 box: scaled to 960 × 480, centred with 30 rows free above and below.
    folder.writeSlotPicture(1, test::solidPicture(QSize(400, 200), Qt::green));
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.FrameNum(frames - 1);
    const QImage frame = player.paintFrame();

    const int boxTop = 270, boxLeft = 480;
    EXPECT_TRUE(near(colourAt(frame, {960, boxTop + 15}), Qt::black));
    EXPECT_TRUE(near(colourAt(frame, {960, boxTop + 40}), Qt::green));
    EXPECT_TRUE(near(colourAt(frame, {boxLeft + 5, 540}), Qt::green)) << "the picture spans the box's whole width";
    EXPECT_TRUE(near(colourAt(frame, {960, boxTop + 540 - 15}), Qt::black));
}

TEST_F(FlashTemplatePlayerTest, MissingSlotPictureLeavesItsBoxEmpty)
{
    QFile::remove(folder.slotPicturePath(1));
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.FrameNum(frames - 1);
    const QImage frame = player.paintFrame();
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), Qt::black));
}

TEST_F(FlashTemplatePlayerTest, EveryLoadReadsTheStartPictureAfresh)
{
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    folder.writeStartPicture(test::solidPicture(canvas, Qt::yellow));
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.FrameNum(0);
    EXPECT_TRUE(near(colourAt(player.paintFrame(), {960, 540}), Qt::yellow));

    FlashTemplatePlayer secondPlayer(canvas);
    ASSERT_TRUE(secondPlayer.Movie(folder.moviePath()).ok());
    EXPECT_TRUE(near(colourAt(secondPlayer.paintFrame(), {960, 540}), Qt::yellow));
}

TEST_F(FlashTemplatePlayerTest, OnlyTheLatestLoadIsAnnounced)
{
    FlashTemplatePlayer player(canvas);
    CommandLog log(player);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    ASSERT_TRUE(log.wait());
    QCoreApplication::processEvents();
    EXPECT_EQ(log.commands.size(), 1);
}

TEST_F(FlashTemplatePlayerTest, OutOfRangeValuesPlayWithoutHarm)
{
    // Found by fuzzing, shipped movies with one value changed: a layer moved 10^16 pixels away
    // overflowed the pixel arithmetic of painting, and a gradient without its stops and start
    // but with a highlight angle of 10^57 sent the drawing library out of its gradient table.
    for (const char* finding : {"far_off_coordinates.json", "gradient_out_of_range.json"}) {
        folder.writeMovieBytes(test::readFile(test::sourcePath(QStringLiteral("tests/media/data/") + finding)));
        FlashTemplatePlayer found(canvas);
        ASSERT_TRUE(found.Movie(folder.moviePath()).ok()) << finding;
        for (const int frame : {0, found.TotalFrames() / 2, found.TotalFrames() - 1}) {
            found.FrameNum(frame);
            EXPECT_EQ(found.paintFrame().size(), canvas) << finding << " " << frame;
        }
    }

    QJsonObject movie = crossfadeMovie();
    QJsonArray layers = movie.value("layers").toArray();
    layers.prepend(test::imageLayer("picture_1", {{480, 270}, {1.8e16, 540}}, frames));
    movie.insert("layers", layers);
    folder.writeMovie(movie);
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    player.FrameNum(frames - 1);
    const QImage frame = player.paintFrame();
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), Qt::blue)) << "the slot in the frame shows as before";
    EXPECT_TRUE(near(colourAt(frame, {20, 20}), Qt::black)) << "nothing of the far-off layer reaches the frame";
}

struct BrokenMovie {
    const char* name;
    std::function<void(const test::TemplateFolder&)> spoil;
    const char* messagePart;
};

class FlashTemplatePlayerFailureTest : public FlashTemplatePlayerTest, public ::testing::WithParamInterface<BrokenMovie> {};

TEST_P(FlashTemplatePlayerFailureTest, ReportsTheFailureAndLoadsNothing)
{
    FlashTemplatePlayer player(canvas);
    ASSERT_TRUE(player.Movie(folder.moviePath()).ok());
    GetParam().spoil(folder);
    CommandLog log(player);

    const Status loaded = player.Movie(folder.moviePath());

    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().contains(GetParam().messagePart)) << loaded.error().toStdString();
    EXPECT_FALSE(player.hasMovie());
    EXPECT_EQ(player.TotalFrames(), 0);
    EXPECT_EQ(player.GetVariable("l_x_z_f_c"), "");
    const QImage frame = player.paintFrame();
    EXPECT_TRUE(near(colourAt(frame, {960, 540}), Qt::black));
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.commands.isEmpty()) << "neither this load nor the earlier one is announced";
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FlashTemplatePlayerFailureTest,
    ::testing::Values(
        BrokenMovie{"MissingFile", [](const test::TemplateFolder& f) { QFile::remove(f.moviePath()); }, "cannot read the movie"},
        BrokenMovie{"NotJson", [](const test::TemplateFolder& f) { f.writeMovieBytes("Rar!\x1a\x07 not a movie"); }, "not a Lottie JSON"},
        BrokenMovie{"TruncatedJson",
                    [](const test::TemplateFolder& f) { f.writeMovieBytes(test::lottieText(crossfadeMovie()).left(300)); },
                    "not a Lottie JSON"},
        BrokenMovie{"JsonButNoAnimation",
                    [](const test::TemplateFolder& f) {
                        f.writeMovie(QJsonObject{{"markers", QJsonArray{test::templateMarker()}}, {"layers", "none"}});
                    },
                    "could not be parsed"},
        // Found by fuzzing: the animation engine crashed on a path shape without its path (the
        // finding itself, a shipped movie with one shape's path cut out, and a small one).
        BrokenMovie{"FuzzFindingPathShapeWithoutItsPath",
                    [](const test::TemplateFolder& f) {
                        f.writeMovieBytes(test::readFile(test::sourcePath("tests/media/data/path_shape_without_path.json")));
                    },
                    "is incomplete"},
        // Found by fuzzing too: an image layer naming a picture the movie does not have.
        BrokenMovie{"FuzzFindingLayerOfAMissingPicture",
                    [](const test::TemplateFolder& f) {
                        f.writeMovieBytes(test::readFile(test::sourcePath("tests/media/data/layer_of_a_missing_picture.json")));
                    },
                    "is incomplete"},
        // … and an image layer naming no picture, beside a picture without a name.
        BrokenMovie{"FuzzFindingLayerWithoutItsPicture",
                    [](const test::TemplateFolder& f) {
                        f.writeMovieBytes(test::readFile(test::sourcePath("tests/media/data/layer_without_its_picture.json")));
                    },
                    "is incomplete"},
        BrokenMovie{"PathShapeWithoutItsPath",
                    [](const test::TemplateFolder& f) {
                        QJsonObject movie = crossfadeMovie();
                        QJsonArray layers = movie.value("layers").toArray();
                        const QJsonObject pathless{{"ty", "sh"}, {"r", QJsonObject{{"a", 0}, {"k", 0}}}};
                        layers.append(QJsonObject{{"ty", 4}, {"ind", 99}, {"ip", 0}, {"op", 10}, {"st", 0},
                                                  {"shapes", QJsonArray{QJsonObject{{"ty", "gr"}, {"it", QJsonArray{pathless}}}}}});
                        movie.insert("layers", layers);
                        f.writeMovie(movie);
                    },
                    "is incomplete"},
        BrokenMovie{"NoMarker",
                    [](const test::TemplateFolder& f) {
                        QJsonObject movie = crossfadeMovie();
                        movie.remove("markers");
                        f.writeMovie(movie);
                    },
                    "has no template marker"},
        BrokenMovie{"WrongMarker",
                    [](const test::TemplateFolder& f) {
                        QJsonObject movie = crossfadeMovie();
                        movie.insert("markers", QJsonArray{QJsonObject{{"tm", 0}, {"cm", "l_x_z_f_c=other"}, {"dr", 0}}});
                        f.writeMovie(movie);
                    },
                    "wrong template marker"},
        BrokenMovie{"MissingStartPicture", [](const test::TemplateFolder& f) { QFile::remove(f.startPicturePath()); },
                    "start picture"},
        BrokenMovie{"UnreadableStartPicture",
                    [](const test::TemplateFolder& f) {
                        QFile file(f.startPicturePath());
                        file.open(QIODevice::WriteOnly);
                        file.write("not a picture");
                    },
                    "start picture"}),
    [](const ::testing::TestParamInfo<BrokenMovie>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace xc
