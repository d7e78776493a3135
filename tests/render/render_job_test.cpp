#include "render/render_job.h"

#include "audio/lyric_styles.h"
#include "core/keywords.h"
#include "effects/picture_effects.h"
#include "effects/text_effects.h"
#include "media/intro_video.h"
#include "tests/conversion/media_probe.h"
#include "tests/conversion/test_video.h"
#include "tests/render/render_fixture.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace xc {
namespace {

using test::RenderAlbum;

// Keeps the frames a test looks at, and the last progress report.
struct FrameTap : RenderListener {
    QSet<qint64> wanted;
    QMap<qint64, QImage> frames;
    RenderProgress progress;
    std::function<void(qint64)> onFrame;

    void progressChanged(const RenderProgress& p) override { progress = p; }
    void frameComposed(qint64 index, const QImage& frame) override
    {
        if (wanted.contains(index))
            frames.insert(index, frame.convertToFormat(QImage::Format_RGB32));
        if (onFrame)
            onFrame(index);
    }
};

class RenderJobTest : public ::testing::Test {
protected:
    RenderResult render(FrameTap& tap, const QString& lyricsChoice = lyricsType::both)
    {
        album.model.settings.outputKind = kw::kindAvi;
        RenderJob job(album.model, album.workspace(), RenderRequest{output(), QSize(320, 176), lyricsChoice});
        job.setListener(&tap);
        const RenderResult result = job.run();
        errors = job.errorLog().lines();
        hostLog = job.hostLog().lines();
        progressLog = job.progressLog().lines();
        budget = job.plan().frameBudget;
        return result;
    }
    QString output() const { return outputDir.filePath(QStringLiteral("album.avi")); }

    RenderAlbum album;
    QTemporaryDir outputDir;
    QStringList errors, hostLog, progressLog;
    qint64 budget = 0;
};

const QColor dark(20, 40, 60);
const QColor blue(0, 0, 255);

TEST_F(RenderJobTest, EachTemplateStartsFromTheLastFrameOfTheOneBefore)
{
    album.addTemplate(10, {}, true);  // shows its start picture: the designed one
    album.addTemplate(10, blue);
    album.writeClosing();              // shows its start picture: the last frame of template 2
    FrameTap tap;
    tap.wanted = {0, 5, 15, 60, 119};
    const RenderResult result = render(tap);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(budget, 120);
    EXPECT_EQ(result.framesWritten, 120);
    const QRect all(0, 0, 1920, 1080);
    const int pixels = 1920 * 1080;
    EXPECT_GT(test::countPixels(tap.frames[0], all, test::designedStartColour, 12), pixels * 9 / 10);
    EXPECT_GT(test::countPixels(tap.frames[5], all, test::designedStartColour, 12), pixels * 9 / 10);
    for (qint64 frame : {15, 60, 119})
        EXPECT_GT(test::countPixels(tap.frames[frame], all, blue, 12), pixels * 9 / 10) << frame;
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_TRUE(hostLog.join('\n').contains(QStringLiteral("w_j_zuihou")));
    // Both bars end full; the working files are gone.
    EXPECT_EQ(tap.progress.barOne, 240);
    EXPECT_EQ(tap.progress.barOneMaximum, 240);
    EXPECT_FALSE(QFile::exists(album.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.rar"))));
    EXPECT_EQ(progressLog.first(), QStringLiteral("Total frames:  120"));
    EXPECT_EQ(progressLog.last(), QStringLiteral("Conversion ended."));
}

TEST_F(RenderJobTest, FramesShowTheLyricLineOfTheirSecondAndTheTextEffects)
{
    album.addTemplate(10, dark);
    album.writeClosing();
    album.addSong(5);
    LyricsRecord& lyrics = album.addLyrics(QStringLiteral("[00:01.00]Line one\n[00:03.00]第三秒的歌词\n"), 0);
    lyrics.colorName = QStringLiteral("clRed");
    lyrics.colorValue = QStringLiteral("255");  // 0x0000FF: red in the lowest byte
    TextEffectDraft draft;
    draft.text = QStringLiteral("Moving");
    draft.second = QStringLiteral("01");
    draft.motionName = QStringLiteral("从1/2左向1/2右(横)");
    draft.colorValue = QStringLiteral("65535");  // yellow
    draft.fontSize = QStringLiteral("20");
    ASSERT_TRUE(addTextEffect(album.model.textEffects, draft).ok());

    FrameTap tap;
    tap.wanted = {25, 26, 30, 50, 80};
    ASSERT_TRUE(render(tap).ok());

    const QColor red(255, 0, 0), yellow(255, 255, 0);
    const QRect all(0, 0, 1920, 1080);
    // Frame i carries the overlays of album time (i − 1) / 25 s: nothing before the first second.
    EXPECT_EQ(test::countPixels(tap.frames[25], all, red), 0);
    EXPECT_EQ(test::countPixels(tap.frames[25], all, yellow), 0);
    for (const auto& [frame, text] : {std::pair{26, "Line one"}, std::pair{30, "Line one"}, std::pair{80, "第三秒的歌词"}}) {
        const LrcLabel label = applyLrcStyle(lyrics, QString::fromUtf8(text), QSize(1920, 1080));
        const QRect box = test::pixelBox(tap.frames[frame], all, red, 60);
        ASSERT_FALSE(box.isEmpty()) << frame;
        EXPECT_TRUE(label.geometry.adjusted(-2, -2, 2, 2).contains(box)) << frame;
        EXPECT_GT(box.width(), label.geometry.width() * 3 / 4) << frame;
        EXPECT_NEAR(box.center().x(), 960, 12) << frame;
        EXPECT_GE(1080 - 10 - box.bottom(), 0) << frame;
    }
    // The caption entered at the lyric time 00:01 and moves 3 pixels a frame.
    const QRect at30 = test::pixelBox(tap.frames[30], all, yellow, 30);
    const QRect at50 = test::pixelBox(tap.frames[50], all, yellow, 30);
    ASSERT_FALSE(at30.isEmpty());
    ASSERT_FALSE(at50.isEmpty());
    EXPECT_NEAR(at50.right() - at30.right(), 60, 3);
    EXPECT_NEAR(at30.center().y(), 540, 40);
}

TEST_F(RenderJobTest, PictureEffectsShowAtTheirPlaceOnlyInTheirTime)
{
    album.addTemplate(10, dark);
    album.writeClosing();
    // Left half green, right half transparent: the transparency must survive.
    QImage picture(100, 100, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 50; ++x)
            picture.setPixelColor(x, y, Qt::green);
    const QString file = outputDir.filePath(QStringLiteral("花.png"));
    ASSERT_TRUE(picture.save(file));
    PictureEffectDraft timed{file, 1.0, 1.0, QRect(100, 100, 200, 200), 100};
    PictureEffectDraft faint{file, 0.0, 10.0, QRect(1000, 100, 200, 200), 50};
    ASSERT_TRUE(addPictureEffect(album.model.pictureEffects, timed).ok());
    ASSERT_TRUE(addPictureEffect(album.model.pictureEffects, faint).ok());

    FrameTap tap;
    tap.wanted = {24, 25, 49, 50};
    ASSERT_TRUE(render(tap).ok());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QColor green(0, 255, 0);
    const QRect left(0, 0, 960, 1080);
    // Frame i is the album at i / 25 s: the timed picture from 1.0 s until 2.0 s.
    for (const auto& [frame, shown] : {std::pair{24, false}, std::pair{25, true}, std::pair{49, true}, std::pair{50, false}}) {
        const QRect box = test::pixelBox(tap.frames[frame], left, green, 10);
        EXPECT_EQ(!box.isEmpty(), shown) << frame;
        // Scaled twice, its transparent half unseen (the smoothed edge may take one column).
        if (shown) {
            EXPECT_TRUE(box.adjusted(0, 0, 1, 0).contains(QRect(100, 100, 100, 200)) && QRect(100, 100, 100, 200).contains(box)) << frame;
        }
    }
    // Half opacity: green over the dark frame, half and half.
    const QColor mixed((0 + dark.red()) / 2, (255 + dark.green()) / 2, (0 + dark.blue()) / 2);
    EXPECT_GT(test::countPixels(tap.frames[50], QRect(1000, 100, 100, 200), mixed, 6), 100 * 200 * 9 / 10);
}

TEST_F(RenderJobTest, AnIntroPlaysFirstAndTheFirstTemplateOpensFromItsLastPicture)
{
    // Green until its last picture, which is red.
    const QString intro = test::writeTestVideo(outputDir.filePath(QStringLiteral("片头.avi")), 20, QSize(640, 480), Qt::green, Qt::red);
    ASSERT_FALSE(intro.isEmpty());
    const Result<IntroVideoInfo> info = probeIntroVideo(intro);
    ASSERT_TRUE(info.ok()) << info.error().toStdString();
    EXPECT_EQ(info.value().albumFrames, 20);
    album.addTemplate(10, {}, true);  // shows its start picture
    album.writeClosing();
    album.model.settings.introVideo = intro;
    album.model.settings.introFrames = info.value().albumFrames;

    FrameTap tap;
    tap.wanted = {0, 18, 19, 25};
    const RenderResult result = render(tap);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(budget, 20 + 10 + 100);
    const QColor green(0, 255, 0), red(255, 0, 0);
    const QRect middle(300, 100, 1320, 880);
    EXPECT_GT(test::countPixels(tap.frames[0], middle, green, 30), 1320 * 880 * 9 / 10);
    EXPECT_GT(test::countPixels(tap.frames[18], middle, green, 30), 1320 * 880 * 9 / 10);
    EXPECT_GT(test::countPixels(tap.frames[19], middle, red, 40), 1320 * 880 * 9 / 10);
    // The template shows its start picture: the intro's last one.
    EXPECT_GT(test::countPixels(tap.frames[25], middle, red, 40), 1320 * 880 * 9 / 10);
    const test::ProbedFile probed = test::probeFile(output());
    ASSERT_NE(probed.stream("video"), nullptr);
    EXPECT_EQ(probed.stream("video")->decodedFrames, 130);

    // A file that is no video stops the render before anything is written.
    const QString broken = outputDir.filePath(QStringLiteral("broken.avi"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("RIFF but not a video") > 0);
    file.close();
    album.model.settings.introVideo = broken;
    FrameTap none;
    const RenderResult refused = render(none);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error.contains(QStringLiteral("broken.avi"))) << refused.error.toStdString();
}

TEST_F(RenderJobTest, KaraokeHighlightGrowsAcrossFrames)
{
    album.addTemplate(10, dark);
    album.writeClosing();
    album.addSong(5);
    album.addKaraoke(QStringLiteral("karaoke.add('00:01.000', '00:03.000', '我爱[you]', '500,500,1000');\n"));
    FrameTap tap;
    tap.wanted = {20, 25, 28, 36, 45, 60, 76};
    ASSERT_TRUE(render(tap).ok());

    const QRect lineA(0, 780, 1920, 200);
    const QColor white(255, 255, 255);
    // The line shows from its appear key (00:00) in the lyric colour; the highlight starts at 00:01.
    EXPECT_GT(test::countPixels(tap.frames[20], lineA, white), 200);
    EXPECT_EQ(test::countPixels(tap.frames[25], lineA, blue, 60), 0);
    int previous = 0;
    for (qint64 frame : {28, 36, 45, 60}) {
        const int highlighted = test::countPixels(tap.frames[frame], lineA, blue, 60);
        EXPECT_GT(highlighted, previous) << frame;
        previous = highlighted;
    }
    // Complete: every lyric-coloured pixel of the line is covered.
    EXPECT_LT(test::countPixels(tap.frames[76], lineA, white, 30), 20);
}

TEST_F(RenderJobTest, StopEndsTheRenderAndRemovesTheWorkingFiles)
{
    album.addTemplate(10, dark);
    album.writeClosing();
    FrameTap tap;
    RenderJob* running = nullptr;
    tap.onFrame = [&](qint64 index) {
        if (index == 20)
            running->stop();
    };
    album.model.settings.outputKind = kw::kindAvi;
    RenderJob job(album.model, album.workspace(), RenderRequest{output(), QSize(320, 176)});
    running = &job;
    job.setListener(&tap);
    const RenderResult result = job.run();
    EXPECT_EQ(result.outcome, RenderOutcome::Stopped);
    EXPECT_LE(result.framesWritten, 21);
    EXPECT_FALSE(QFile::exists(album.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.rar"))));
    EXPECT_FALSE(QFile::exists(album.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.jpg"))));
    EXPECT_FALSE(QFile::exists(job.frameFilePath()));
}

TEST_F(RenderJobTest, ATemplateThatCannotLoadIsLoggedAndSkipped)
{
    album.addTemplate(10, dark);
    album.addBrokenTemplate(10);
    album.addTemplate(10, blue);
    album.writeClosing();
    FrameTap tap;
    tap.wanted = {15, 25};
    const RenderResult result = render(tap);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.framesWritten, 130);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("tp_wjj_2"))) << errors.first().toStdString();
    // The broken template's frames go to the one after it.
    EXPECT_GT(test::countPixels(tap.frames[15], QRect(0, 0, 1920, 1080), blue, 12), 1920 * 1000);
}

TEST_F(RenderJobTest, AnAlbumWithoutClosingTemplateHoldsItsLastPicture)
{
    album.addTemplate(10, blue);
    FrameTap tap;
    tap.wanted = {100};
    const RenderResult result = render(tap);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.framesWritten, 110);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_GT(test::countPixels(tap.frames[100], QRect(0, 0, 1920, 1080), blue, 12), 1920 * 1000);
}

TEST(RenderLogTest, KeepsTheNewestLines)
{
    RenderLog log(3);
    QStringList seen;
    log.setListener([&](const QString& line) { seen << line; });
    for (const char* line : {"a", "b", "c", "d"})
        log.add(QString::fromLatin1(line));
    EXPECT_EQ(log.lines(), (QStringList{"b", "c", "d"}));
    EXPECT_EQ(seen.size(), 4);
    EXPECT_EQ(RenderLog().lines().size(), 0);
    EXPECT_EQ(RenderLog::progressLogLines, 32000);
}

}  // namespace
}  // namespace xc
