#include "render/render_job.h"

#include "core/keywords.h"
#include "render/output_settings.h"
#include "tests/conversion/media_probe.h"
#include "tests/render/render_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace xc {
namespace {

struct OutputCase {
    const char* name;
    const QString& kind;
    const QString& tv;
    const QString& quality;
    QSize chosen;
    const char* imageFormat;  // "XLTP" only
    const char* videoCodec;
    const char* audioCodec;
    int sampleRate;
    QSize expectedSize;
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

// Two templates of 5 frames and the closing template: a budget of 110 frames (4.4 s) under a
// song of 6 s, which is cut where the pictures end.
class RenderOutputs : public ::testing::TestWithParam<OutputCase> {
protected:
    RenderOutputs()
    {
        album.addTemplate(5, QColor(20, 40, 60));
        album.addTemplate(5, QColor(0, 0, 255));
        album.writeClosing();
        album.addSong(6);
    }

    test::RenderAlbum album;
    QTemporaryDir dir;
};

constexpr qint64 budget = 110;

TEST_P(RenderOutputs, WritesTheKindWithTheBudgetAndTheCutSong)
{
    const OutputCase& c = GetParam();
    album.model.settings.outputKind = c.kind;
    album.model.settings.tvSystem = c.tv;
    album.model.settings.quality = c.quality;
    const bool pictures = c.kind == kw::kindImages;
    QString output;
    if (pictures) {
        const Result<QString> prepared = prepareImageSequenceFolder(dir.filePath(QStringLiteral("album")), QString::fromLatin1(c.imageFormat));
        ASSERT_TRUE(prepared.ok());
        output = prepared.value();
    } else {
        output = videoOutputPath(*videoLauncher(c.kind), dir.filePath(QStringLiteral("album")));
    }
    RenderJob job(album.model, album.workspace(), RenderRequest{output, c.chosen});
    const RenderResult result = job.run();
    ASSERT_TRUE(result.ok()) << result.error.toStdString() << job.progressLog().lines().join('\n').toStdString();
    EXPECT_EQ(job.plan().frameBudget, budget);

    if (pictures) {
        const QStringList files = QDir(dir.filePath(QStringLiteral("album"))).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(files.size(), budget);
        const QString extension = QString::fromLatin1(c.imageFormat);
        for (const QString& name : {QStringLiteral("01."), QStringLiteral("99."), QStringLiteral("110.")})
            EXPECT_TRUE(files.contains(name + extension)) << name.toStdString();
        const test::ProbedFile first = test::probeFile(dir.filePath(QStringLiteral("album/01.") + extension));
        ASSERT_TRUE(first.opened);
        const test::ProbedStream* picture = first.stream("video");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->codec, c.videoCodec);
        EXPECT_EQ(QSize(picture->width, picture->height), c.expectedSize);
        return;
    }

    if (c.kind == kw::kindMp4) {
        // The index comes first, so a player can start while the file is still arriving.
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_LT(bytes.indexOf("moov"), bytes.indexOf("mdat"));
    }
    const test::ProbedFile probed = test::probeFile(output);
    ASSERT_TRUE(probed.opened);
    EXPECT_TRUE(probed.messages.isEmpty()) << probed.messages.join('\n').toStdString();
    const test::ProbedStream* video = probed.stream("video");
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codec, c.videoCodec);
    EXPECT_EQ(QSize(video->width, video->height), c.expectedSize);
    const bool ntsc = c.tv == kw::tvNtsc;
    EXPECT_EQ(video->frameRateNum, ntsc ? 30000 : 25);
    EXPECT_EQ(video->frameRateDen, ntsc ? 1001 : 1);
    // NTSC repeats frames so that the album keeps its 4.4 s.
    const double videoSeconds = ntsc ? video->decodedFrames * 1001.0 / 30000 : video->decodedFrames / 25.0;
    if (!ntsc) {
        EXPECT_EQ(video->decodedFrames, budget);
    }
    EXPECT_NEAR(videoSeconds, budget / 25.0, 0.04);

    const test::ProbedStream* audio = probed.stream("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codec, c.audioCodec);
    EXPECT_EQ(audio->sampleRate, c.sampleRate);
    EXPECT_EQ(audio->channels, 2);
    EXPECT_NEAR(audio->audioSeconds(), videoSeconds, 0.08);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RenderOutputs,
    ::testing::Values(
        OutputCase{"VcdPal", kw::kindVcd, kw::tvPal, kw::qualityHigh, {320, 176}, "", "mpeg1video", "mp2", 44100, {320, 176}},
        OutputCase{"SvcdNtsc", kw::kindSvcd, kw::tvNtsc, kw::qualityHigh, {320, 176}, "", "mpeg2video", "mp2", 44100, {320, 176}},
        OutputCase{"DvdPal", kw::kindDvd, kw::tvPal, kw::qualityHigh, {640, 368}, "", "mpeg2video", "ac3", 48000, {640, 368}},
        OutputCase{"AviPal", kw::kindAvi, kw::tvPal, kw::qualityHigh, {320, 176}, "", "mpeg4", "mp3", 44100, {320, 176}},
        OutputCase{"Mp4Pal", kw::kindMp4, kw::tvPal, kw::qualityHigh, {640, 368}, "", "h264", "aac", 48000, {640, 368}},
        OutputCase{"PicturesJpg", kw::kindImages, kw::tvPal, kw::qualityHigh, {320, 176}, "JPG", "mjpeg", "", 0, {320, 176}},
        OutputCase{"PicturesPcx", kw::kindImages, kw::tvPal, kw::qualityHigh, {320, 176}, "PCX", "pcx", "", 0, {320, 176}}),
    [](const ::testing::TestParamInfo<OutputCase>& tested) { return std::string(tested.param.name); });

TEST(RenderOutputSize, PicturesUnderNormalQualityTakeTheChosenSize)
{
    test::RenderAlbum album;
    album.addTemplate(5, QColor(0, 0, 255));
    album.writeClosing(10);
    album.model.settings.outputKind = kw::kindImages;
    album.model.settings.quality = kw::qualityNormal;  // no frame format is set for pictures
    QTemporaryDir dir;
    const Result<QString> output = prepareImageSequenceFolder(dir.filePath(QStringLiteral("seq")), QStringLiteral("BMP"));
    ASSERT_TRUE(output.ok());
    RenderJob job(album.model, album.workspace(), RenderRequest{output.value(), QSize(464, 256)});
    ASSERT_TRUE(job.run().ok());
    const QImage first(dir.filePath(QStringLiteral("seq/01.BMP")));
    EXPECT_EQ(first.size(), QSize(464, 256));
}

}  // namespace
}  // namespace xc
