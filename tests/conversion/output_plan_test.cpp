#include "media/conversion_output_plan.h"

#include <gtest/gtest.h>

namespace xc {
namespace {

ConversionSettings discSettings(FormatPreset preset, QSize frameFormat, QSize outputSize)
{
    ConversionSettings settings;
    settings.preset = preset;
    settings.frameFormat = frameFormat;
    settings.outputSize = outputSize;
    settings.videoFileName = QStringLiteral("/tmp/album.mpg");
    return settings;
}

TEST(ConversionOutputPlan, PictureSizeIsTheChosenSizeCappedByTheFrameFormat)
{
    struct Case {
        QSize frameFormat;
        QSize outputSize;
        QSize expected;
    };
    const Case cases[] = {
        {{1920, 1080}, {1920, 1080}, {1920, 1080}},
        {{1920, 1080}, {800, 480}, {800, 480}},
        {{1280, 720}, {1920, 1080}, {1280, 720}},  // VCD and the normal quality cap the size
        {{1280, 720}, {1440, 816}, {1280, 720}},
        {{1280, 720}, {464, 256}, {464, 256}},
        {{1920, 1080}, {}, {1920, 1080}},  // no chosen size: the frame format
        {{}, {640, 368}, {640, 368}},      // no frame format (pictures, normal quality)
        {{}, {}, {1920, 1080}},
        {{1920, 1080}, {641, 367}, {640, 366}},  // 4:2:0 pictures need even sizes
    };
    for (const Case& c : cases) {
        const ConversionSettings settings = discSettings(FormatPreset::Dvd, c.frameFormat, c.outputSize);
        EXPECT_EQ(outputPictureSize(settings), c.expected) << c.frameFormat.width() << "x" << c.frameFormat.height()
                                                           << " / " << c.outputSize.width() << "x" << c.outputSize.height();
    }
}

TEST(ConversionOutputPlan, KindFollowsThePresetElseTheFileExtension)
{
    struct Case {
        std::optional<FormatPreset> preset;
        QString fileName;
        OutputKind kind;
        QString videoCodec;
        QString audioCodec;
        int sampleRate;
    };
    const Case cases[] = {
        {FormatPreset::Vcd, "/x/a.mpg", OutputKind::Vcd, "mpeg1video", "mp2", 44100},
        {FormatPreset::Svcd, "/x/a.mpg", OutputKind::Svcd, "mpeg2video", "mp2", 44100},
        {FormatPreset::Dvd, "/x/a.mpg", OutputKind::Dvd, "mpeg2video", "ac3", 48000},
        {std::nullopt, "/x/a.avi", OutputKind::Avi, "mpeg4", "libmp3lame", 44100},
        {std::nullopt, "/x/a.MP4", OutputKind::Mp4, "libx264", "aac", 48000},
        {std::nullopt, "/x/a/01.JPG", OutputKind::PictureSequence, "mjpeg", "", 0},
        {std::nullopt, "/x/a/01.bmp", OutputKind::PictureSequence, "bmp", "", 0},
        {std::nullopt, "/x/a/01.TGA", OutputKind::PictureSequence, "targa", "", 0},
        {std::nullopt, "/x/a/01.PCX", OutputKind::PictureSequence, "pcx", "", 0},
    };
    for (const Case& c : cases) {
        ConversionSettings settings;
        settings.preset = c.preset;
        settings.videoFileName = c.fileName;
        const auto plan = planOutput(settings);
        ASSERT_TRUE(plan.ok()) << c.fileName.toStdString() << ": " << plan.error().toStdString();
        EXPECT_EQ(plan.value().kind, c.kind) << c.fileName.toStdString();
        EXPECT_EQ(plan.value().video.codecName, c.videoCodec) << c.fileName.toStdString();
        if (plan.value().hasAudioStream()) {
            EXPECT_EQ(plan.value().audio.codecName, c.audioCodec) << c.fileName.toStdString();
            EXPECT_EQ(plan.value().audio.sampleRate, c.sampleRate) << c.fileName.toStdString();
        }
    }
}

TEST(ConversionOutputPlan, NtscRunsAt2997AndRepeatsFramesOnlyWhenKeepingTheDuration)
{
    ConversionSettings settings = discSettings(FormatPreset::Svcd, {1920, 1080}, {});
    settings.tvSystem = TvSystem::Ntsc;
    auto plan = planOutput(settings);
    ASSERT_TRUE(plan.ok());
    EXPECT_EQ(plan.value().video.frameRateNum, 30000);
    EXPECT_EQ(plan.value().video.frameRateDen, 1001);
    EXPECT_EQ(plan.value().video.gopSize, 18);
    EXPECT_TRUE(plan.value().video.repeatFramesToKeepDuration);

    settings.keepDuration = false;
    EXPECT_FALSE(planOutput(settings).value().video.repeatFramesToKeepDuration);

    settings.tvSystem = TvSystem::Pal;
    settings.keepDuration = true;
    plan = planOutput(settings);
    EXPECT_EQ(plan.value().video.frameRateNum, 25);
    EXPECT_EQ(plan.value().video.frameRateDen, 1);
    EXPECT_FALSE(plan.value().video.repeatFramesToKeepDuration);
}

TEST(ConversionOutputPlan, BitRateLimitsBoundTheRateThePictureAsksFor)
{
    ConversionSettings settings = discSettings(FormatPreset::Dvd, {1920, 1080}, {320, 176});
    const qint64 unbounded = planOutput(settings).value().video.bitRate;
    settings.bitRateLimits = BitRateLimits{99999, 2500, 100000};
    const VideoStreamPlan bounded = planOutput(settings).value().video;
    EXPECT_EQ(bounded.bitRate, std::max<qint64>(unbounded, 2500000));
    EXPECT_GE(bounded.maxRate, bounded.bitRate);

    settings.bitRateLimits = BitRateLimits{3000, 1000, 3500};
    settings.outputSize = QSize(1920, 1080);
    const VideoStreamPlan capped = planOutput(settings).value().video;
    EXPECT_EQ(capped.bitRate, 3000000);
    EXPECT_EQ(capped.maxRate, 3500000);
}

TEST(ConversionOutputPlan, DiscStreamsShowTheCanvasShape)
{
    const VideoStreamPlan video = planOutput(discSettings(FormatPreset::Dvd, {1920, 1080}, {800, 480})).value().video;
    // 800 x 480 pictures of a 16:9 canvas: pixels 16:15 wide.
    EXPECT_EQ(video.sampleAspectNum, 16);
    EXPECT_EQ(video.sampleAspectDen, 15);
}

TEST(ConversionOutputPlan, PicturesAreNumberedFromTheGivenFirstName)
{
    ConversionSettings settings;
    settings.videoFileName = QStringLiteral("/out/album/01.JPG");
    const PictureSequencePlan pictures = planOutput(settings).value().pictures;
    EXPECT_EQ(pictures.fileName(0), "/out/album/01.JPG");
    EXPECT_EQ(pictures.fileName(8), "/out/album/09.JPG");
    EXPECT_EQ(pictures.fileName(98), "/out/album/99.JPG");
    EXPECT_EQ(pictures.fileName(99), "/out/album/100.JPG");
    EXPECT_EQ(pictures.fileName(999), "/out/album/1000.JPG");

    settings.videoFileName = QStringLiteral("/out/frame_0007.bmp");
    const PictureSequencePlan named = planOutput(settings).value().pictures;
    EXPECT_EQ(named.fileName(0), "/out/frame_0007.bmp");
    EXPECT_EQ(named.fileName(3), "/out/frame_0010.bmp");
}

TEST(ConversionOutputPlan, RejectsWhatItCannotWrite)
{
    ConversionSettings settings;
    EXPECT_FALSE(planOutput(settings).ok());  // no file name

    settings.videoFileName = QStringLiteral("/out/album.mkv");
    const auto unknown = planOutput(settings);
    ASSERT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.error().contains("album.mkv"));

    settings = discSettings(FormatPreset::Dvd, {1920, 1080}, {});
    settings.audioFileName = QStringLiteral("/out/other.mp2");
    EXPECT_FALSE(planOutput(settings).ok());
    settings.audioFileName = settings.videoFileName;
    EXPECT_TRUE(planOutput(settings).ok());
}

}  // namespace
}  // namespace xc
