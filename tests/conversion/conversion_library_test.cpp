#include "media/conversion_library.h"
#include "tests/conversion/media_probe.h"
#include "tests/support/test_tree.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace xc {
namespace {

using test::FfmpegLogCapture;
using test::ProbedFile;
using test::probeFile;

QString songA() { return test::sourcePath(QStringLiteral("tests/conversion/data/song_a.mp3")); }  // 1.2 s, 44.1 kHz stereo
QString songB() { return test::sourcePath(QStringLiteral("tests/conversion/data/song_b.mp3")); }  // 0.8 s, 22.05 kHz mono
constexpr double kSongsSeconds = 2.0;

// A composed album frame as the render hands it over: the full canvas, a colour per frame.
QImage albumFrame(int index)
{
    QImage frame(1920, 1080, QImage::Format_ARGB32);
    frame.fill(QColor::fromHsv(index * 17 % 360, 200, 220));
    return frame;
}

const QImage& noiseFrame()
{
    static const QImage noise = [] {
        QImage image(320, 176, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                state = state * 1664525u + 1013904223u;
                line[x] = 0xff000000u | (state >> 8);
            }
        }
        return image;
    }();
    return noise;
}

struct Job {
    std::optional<FormatPreset> preset;
    TvSystem tv = TvSystem::Pal;
    QString fileName;
    int frames = 30;
    QSize outputSize{320, 176};
    QSize frameFormat{1920, 1080};
    bool keepDuration = true;
    bool truncate = true;
    bool limitBitRate = true;
    QStringList songs{songA(), songB()};
};

void configure(ConversionLibrary& library, const Job& job)
{
    for (int i = 0; i < job.frames; ++i)
        library.addToList(ConversionLibrary::ListKind::FrameFile, QStringLiteral("frame_%1.rar").arg(i));
    for (const QString& song : job.songs)
        library.addToList(ConversionLibrary::ListKind::AudioFile, song);
    if (job.preset)
        library.setFormatPreset(*job.preset, job.tv);
    else
        library.setTvSystem(job.tv);
    library.setKeepDuration(job.keepDuration);
    library.setTruncateAudioToVideo(job.truncate);
    if (job.frameFormat.isValid())
        library.setVideoFormat(job.frameFormat.width(), job.frameFormat.height(), 32);
    library.setOutputSize(job.outputSize.width(), job.outputSize.height());
    if (job.limitBitRate)
        library.setVideoBitRate(99999, 2500, 100000);
    library.setVideoFileName(job.fileName);
    library.setAudioFileName(job.fileName);
    library.setVideoFunction([](int index, const QString&, QImage& frame) { frame = albumFrame(index); });
}

// What the encoders and the muxer said while writing. The song decoder's notes on the MP3
// input's timestamps are not about the output and are left out.
QStringList outputMessages(const QStringList& messages)
{
    QStringList kept;
    for (const QString& message : messages) {
        if (!message.startsWith(QLatin1String("[mp3float")))
            kept.append(message);
    }
    return kept;
}

ConversionResult run(const Job& job, QStringList* encodeMessages = nullptr)
{
    ConversionLibrary library;
    configure(library, job);
    FfmpegLogCapture log;
    ConversionResult result = library.convert();
    if (encodeMessages != nullptr)
        *encodeMessages = outputMessages(log.messages());
    return result;
}

qint64 ntscFramesFor(qint64 albumFrames)
{
    return (albumFrames * 1200 + 1000) / 1001;
}

struct KindCase {
    const char* name;
    std::optional<FormatPreset> preset;
    TvSystem tv;
    bool keepDuration;
    const char* extension;
    const char* videoCodec;
    const char* audioCodec;
    int sampleRate;
};

class ConversionKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(ConversionKinds, WritesAStreamThatProbesCleanWithTheBudgetAndTheCutSound)
{
    const KindCase& c = GetParam();
    QTemporaryDir dir;
    Job job;
    job.preset = c.preset;
    job.tv = c.tv;
    job.keepDuration = c.keepDuration;
    job.fileName = dir.filePath(QStringLiteral("album.") + c.extension);
    QStringList encodeMessages;
    const ConversionResult result = run(job, &encodeMessages);
    ASSERT_EQ(result.outcome, ConversionOutcome::Completed) << result.error.toStdString();
    EXPECT_EQ(result.albumFrames, job.frames);
    EXPECT_TRUE(encodeMessages.isEmpty()) << encodeMessages.join('\n').toStdString();

    const ProbedFile probed = probeFile(job.fileName);
    ASSERT_TRUE(probed.opened);
    EXPECT_TRUE(probed.messages.isEmpty()) << probed.messages.join('\n').toStdString();
    ASSERT_EQ(probed.streams.size(), 2u);
    const test::ProbedStream* video = probed.stream("video");
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codec, c.videoCodec);
    EXPECT_EQ(video->width, 320);
    EXPECT_EQ(video->height, 176);
    const bool ntsc = c.tv == TvSystem::Ntsc;
    EXPECT_EQ(video->frameRateNum, ntsc ? 30000 : 25);
    EXPECT_EQ(video->frameRateDen, ntsc ? 1001 : 1);
    const qint64 expectedFrames = ntsc && c.keepDuration ? ntscFramesFor(job.frames) : job.frames;
    EXPECT_EQ(video->decodedFrames, expectedFrames);

    const test::ProbedStream* audio = probed.stream("audio");
    ASSERT_NE(audio, nullptr);
    EXPECT_EQ(audio->codec, c.audioCodec);
    EXPECT_EQ(audio->sampleRate, c.sampleRate);
    EXPECT_EQ(audio->channels, 2);
    // The songs (2 s) are cut at the end of the video, give or take the codec's last frame.
    const double videoSeconds = double(expectedFrames) * (ntsc ? 1001.0 / 30000 : 1.0 / 25);
    EXPECT_NEAR(audio->audioSeconds(), videoSeconds, 0.08);
    EXPECT_NEAR(double(result.samples) / c.sampleRate, videoSeconds, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ConversionKinds,
    ::testing::Values(KindCase{"VcdPal", FormatPreset::Vcd, TvSystem::Pal, true, "mpg", "mpeg1video", "mp2", 44100},
                      KindCase{"VcdNtsc", FormatPreset::Vcd, TvSystem::Ntsc, true, "mpg", "mpeg1video", "mp2", 44100},
                      KindCase{"SvcdPal", FormatPreset::Svcd, TvSystem::Pal, true, "mpg", "mpeg2video", "mp2", 44100},
                      KindCase{"SvcdNtsc", FormatPreset::Svcd, TvSystem::Ntsc, true, "mpg", "mpeg2video", "mp2", 44100},
                      KindCase{"DvdPal", FormatPreset::Dvd, TvSystem::Pal, true, "mpg", "mpeg2video", "ac3", 48000},
                      KindCase{"DvdNtsc", FormatPreset::Dvd, TvSystem::Ntsc, true, "mpg", "mpeg2video", "ac3", 48000},
                      KindCase{"DvdNtscFrameForFrame", FormatPreset::Dvd, TvSystem::Ntsc, false, "mpg", "mpeg2video", "ac3", 48000},
                      KindCase{"AviPal", std::nullopt, TvSystem::Pal, true, "avi", "mpeg4", "mp3", 44100},
                      KindCase{"AviNtsc", std::nullopt, TvSystem::Ntsc, true, "avi", "mpeg4", "mp3", 44100},
                      KindCase{"Mp4Pal", std::nullopt, TvSystem::Pal, true, "mp4", "h264", "aac", 48000},
                      KindCase{"Mp4Ntsc", std::nullopt, TvSystem::Ntsc, true, "mp4", "h264", "aac", 48000}),
    [](const ::testing::TestParamInfo<KindCase>& param) { return std::string(param.param.name); });

TEST(ConversionLibrary, FullSizeDiscPicturesProbeClean)
{
    // The standard rates and buffers do not carry HD pictures; the streams must still be valid.
    for (FormatPreset preset : {FormatPreset::Vcd, FormatPreset::Svcd, FormatPreset::Dvd}) {
        QTemporaryDir dir;
        Job job;
        job.preset = preset;
        job.frames = 20;
        job.outputSize = preset == FormatPreset::Vcd ? QSize(1280, 720) : QSize(1920, 1080);
        job.frameFormat = job.outputSize;
        job.fileName = dir.filePath(QStringLiteral("album.mpg"));
        QStringList encodeMessages;
        const ConversionResult result = run(job, &encodeMessages);
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_TRUE(encodeMessages.isEmpty()) << encodeMessages.join('\n').toStdString();
        const ProbedFile probed = probeFile(job.fileName);
        EXPECT_TRUE(probed.messages.isEmpty()) << probed.messages.join('\n').toStdString();
        ASSERT_NE(probed.stream("video"), nullptr);
        EXPECT_EQ(probed.stream("video")->width, job.outputSize.width());
        EXPECT_EQ(probed.stream("video")->height, job.outputSize.height());
        EXPECT_EQ(probed.stream("video")->decodedFrames, 20);
    }
}

TEST(ConversionLibrary, DiscStandardSizesAndRatesProbeClean)
{
    // Without limits a small VCD picture gets the disc's own constant rate and mux rate.
    QTemporaryDir dir;
    Job job;
    job.preset = FormatPreset::Vcd;
    job.outputSize = QSize(352, 288);
    job.limitBitRate = false;
    job.fileName = dir.filePath(QStringLiteral("standard.mpg"));
    QStringList encodeMessages;
    ASSERT_TRUE(run(job, &encodeMessages).ok());
    EXPECT_TRUE(encodeMessages.isEmpty()) << encodeMessages.join('\n').toStdString();
    const ProbedFile probed = probeFile(job.fileName);
    EXPECT_TRUE(probed.messages.isEmpty()) << probed.messages.join('\n').toStdString();
    EXPECT_EQ(probed.stream("video")->decodedFrames, 30);
}

TEST(ConversionLibrary, TheSameAlbumGivesTheSameBytes)
{
    // Encoding on a second thread must not make the output depend on timing.
    QTemporaryDir dir;
    QByteArray outputs[2];
    for (int attempt = 0; attempt < 2; ++attempt) {
        Job job;
        job.preset = FormatPreset::Dvd;
        job.tv = TvSystem::Ntsc;
        job.fileName = dir.filePath(QStringLiteral("same_%1.mpg").arg(attempt));
        ASSERT_TRUE(run(job).ok());
        QFile file(job.fileName);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        outputs[attempt] = file.readAll();
    }
    EXPECT_FALSE(outputs[0].isEmpty());
    EXPECT_TRUE(outputs[0] == outputs[1]);
}

TEST(ConversionLibrary, SoundRunsToTheSongsEndUnlessCut)
{
    QTemporaryDir dir;
    Job whole;
    whole.preset = FormatPreset::Dvd;
    whole.truncate = false;
    whole.fileName = dir.filePath(QStringLiteral("whole.mpg"));
    ASSERT_TRUE(run(whole).ok());
    const ProbedFile wholeProbe = probeFile(whole.fileName);
    ASSERT_NE(wholeProbe.stream("audio"), nullptr);
    EXPECT_NEAR(wholeProbe.stream("audio")->audioSeconds(), kSongsSeconds, 0.05);
    EXPECT_EQ(wholeProbe.stream("video")->decodedFrames, 30);

    // Songs shorter than the video: silence carries the sound to the end of the picture, cut or not.
    for (const bool truncate : {true, false}) {
        Job longVideo = whole;
        longVideo.truncate = truncate;
        longVideo.frames = 75;
        longVideo.fileName = dir.filePath(QStringLiteral("long_%1.mpg").arg(truncate));
        ASSERT_TRUE(run(longVideo).ok());
        const ProbedFile longProbe = probeFile(longVideo.fileName);
        EXPECT_TRUE(longProbe.messages.isEmpty()) << longProbe.messages.join('\n').toStdString();
        EXPECT_EQ(longProbe.stream("video")->decodedFrames, 75);
        EXPECT_NEAR(longProbe.stream("audio")->audioSeconds(), 3.0, 0.05) << "truncate " << truncate;
    }

    // No songs: a video without sound.
    Job silent = whole;
    silent.songs.clear();
    silent.fileName = dir.filePath(QStringLiteral("silent.mpg"));
    ASSERT_TRUE(run(silent).ok());
    const ProbedFile silentProbe = probeFile(silent.fileName);
    EXPECT_EQ(silentProbe.stream("audio"), nullptr);
    EXPECT_EQ(silentProbe.stream("video")->decodedFrames, 30);
}

TEST(ConversionLibrary, SampleCountIsTheDecodedSongsAtTheOutputRate)
{
    ConversionLibrary library;
    library.addToList(ConversionLibrary::ListKind::AudioFile, songA());
    library.addToList(ConversionLibrary::ListKind::AudioFile, songB());
    EXPECT_NEAR(double(library.sampleCount()), kSongsSeconds * 44100, 2);
    library.setFormatPreset(FormatPreset::Dvd, TvSystem::Pal);
    EXPECT_NEAR(double(library.sampleCount()), kSongsSeconds * 48000, 2);
    library.addToList(ConversionLibrary::ListKind::AudioFile, QStringLiteral("/nonexistent/song.mp3"));
    EXPECT_NEAR(double(library.sampleCount()), kSongsSeconds * 48000, 2);
    EXPECT_EQ(library.frameCount(), 0);
}

TEST(ConversionLibrary, PictureSequencesAreNumberedPastNinetyNine)
{
    for (const char* format : {"JPG", "BMP", "TGA", "PCX"}) {
        QTemporaryDir dir;
        Job job;
        job.frames = 4;
        job.songs.clear();
        job.fileName = dir.filePath(QStringLiteral("98.") + format);
        const ConversionResult result = run(job);
        ASSERT_TRUE(result.ok()) << format << ": " << result.error.toStdString();
        const QStringList written = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        const QString ext = QString::fromLatin1(format);
        EXPECT_EQ(written, QStringList({"100." + ext, "101." + ext, "98." + ext, "99." + ext})) << format;
        for (const QString& name : written) {
            const ProbedFile picture = probeFile(dir.filePath(name));
            ASSERT_NE(picture.stream("video"), nullptr) << name.toStdString();
            EXPECT_EQ(picture.stream("video")->width, 320);
            EXPECT_EQ(picture.stream("video")->height, 176);
            EXPECT_EQ(picture.stream("video")->decodedFrames, 1);
        }
    }
}

TEST(ConversionLibrary, PicturesKeepTheFrameColours)
{
    // Catches byte-order mix-ups between Qt's ARGB words and the encoders' layouts.
    for (const char* format : {"JPG", "BMP"}) {
        QTemporaryDir dir;
        ConversionLibrary library;
        library.addToList(ConversionLibrary::ListKind::FrameFile, QStringLiteral("only"));
        library.setOutputSize(320, 176);
        library.setVideoFileName(dir.filePath(QStringLiteral("01.") + format));
        library.setVideoFunction([](int, const QString&, QImage& frame) {
            frame = QImage(1920, 1080, QImage::Format_RGB32);
            frame.fill(QColor(220, 30, 40));
        });
        ASSERT_TRUE(library.convert().ok());
        const QImage picture(dir.filePath(QStringLiteral("01.") + format));
        ASSERT_FALSE(picture.isNull()) << format;
        const QColor centre = picture.pixelColor(160, 88);
        EXPECT_NEAR(centre.red(), 220, 6) << format;
        EXPECT_NEAR(centre.green(), 30, 6) << format;
        EXPECT_NEAR(centre.blue(), 40, 6) << format;
    }
}

TEST(ConversionLibrary, ReadsFrameFilesWhenTheVideoFunctionLeavesTheFrameEmpty)
{
    QTemporaryDir dir;
    ConversionLibrary library;
    for (int i = 0; i < 3; ++i) {
        const QString name = dir.filePath(QStringLiteral("frame_%1.png").arg(i));
        ASSERT_TRUE(albumFrame(i).scaled(640, 360).save(name, "PNG"));
        library.addToList(ConversionLibrary::ListKind::FrameFile, name);
    }
    library.setFormatPreset(FormatPreset::Dvd, TvSystem::Pal);
    library.setOutputSize(320, 176);
    const QString output = dir.filePath(QStringLiteral("files.mpg"));
    library.setVideoFileName(output);
    int calls = 0;
    library.setVideoFunction([&calls](int, const QString&, QImage&) { ++calls; });
    ASSERT_TRUE(library.convert().ok()) << library.errorText().toStdString();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(probeFile(output).stream("video")->decodedFrames, 3);

    library.addToList(ConversionLibrary::ListKind::FrameFile, dir.filePath(QStringLiteral("missing.png")));
    const ConversionResult missing = library.convert();
    EXPECT_EQ(missing.outcome, ConversionOutcome::Failed);
    EXPECT_TRUE(missing.error.contains("missing.png")) << missing.error.toStdString();
}

TEST(ConversionLibrary, AbortFromTheVideoFunctionStopsAndClosesTheOutput)
{
    QTemporaryDir dir;
    ConversionLibrary library;
    Job job;
    job.preset = FormatPreset::Dvd;
    job.frames = 500;
    job.fileName = dir.filePath(QStringLiteral("stopped.mpg"));
    configure(library, job);
    int calls = 0;
    library.setVideoFunction([&](int index, const QString&, QImage& frame) {
        ++calls;
        frame = albumFrame(index);
        if (index == 10)
            library.abort();
    });
    const ConversionResult result = library.convert();
    EXPECT_EQ(result.outcome, ConversionOutcome::Aborted);
    EXPECT_FALSE(library.hasError());
    EXPECT_EQ(calls, 11);
    EXPECT_LE(result.albumFrames, 10);
    const ProbedFile probed = probeFile(job.fileName);
    ASSERT_TRUE(probed.opened);
    ASSERT_NE(probed.stream("video"), nullptr);
    EXPECT_EQ(probed.stream("video")->decodedFrames, result.albumFrames);
    EXPECT_LT(probed.stream("audio")->audioSeconds(), 0.5);

    // The next conversion starts afresh.
    library.setVideoFunction([](int index, const QString&, QImage& frame) { frame = albumFrame(index); });
    library.clearList(ConversionLibrary::ListKind::FrameFile);
    library.addToList(ConversionLibrary::ListKind::FrameFile, QStringLiteral("one"));
    EXPECT_TRUE(library.convert().ok());
}

TEST(ConversionLibrary, FailuresReachTheErrorCallbackWithAClearText)
{
    QTemporaryDir dir;
    QFile::copy(songA(), dir.filePath(QStringLiteral("ok.mp3")));
    QFile bad(dir.filePath(QStringLiteral("broken.mp3")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is not a song");
    bad.close();

    struct Case {
        const char* name;
        QString fileName;
        QStringList songs;
        const char* expectedText;
    };
    const Case cases[] = {
        {"missing folder", dir.filePath(QStringLiteral("no/such/folder/album.mpg")), {}, "album.mpg"},
        {"disk full", QStringLiteral("/dev/full"), {}, "No space left on device"},
        {"broken song", dir.filePath(QStringLiteral("album.mpg")), {dir.filePath("ok.mp3"), bad.fileName()}, "broken.mp3"},
        {"missing picture folder", dir.filePath(QStringLiteral("nowhere/01.JPG")), {}, "01.JPG"},
    };
    for (const Case& c : cases) {
        ConversionLibrary library;
        Job job;
        job.preset = QString(c.name).contains("picture") ? std::nullopt : std::optional(FormatPreset::Dvd);
        job.frames = 200;
        job.songs = c.songs;
        job.fileName = c.fileName;
        configure(library, job);
        // Noise does not compress, so a full disk shows within the first frames.
        library.setVideoFunction([](int, const QString&, QImage& frame) { frame = noiseFrame(); });
        QStringList reported;
        library.setErrorFunction([&reported](const QString& text) { reported.append(text); });
        const ConversionResult result = library.convert();
        EXPECT_EQ(result.outcome, ConversionOutcome::Failed) << c.name;
        EXPECT_TRUE(result.error.contains(c.expectedText)) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(reported, QStringList{result.error}) << c.name;
        EXPECT_TRUE(library.hasError());
        EXPECT_EQ(library.errorText(), result.error);
        // A write failure stops the conversion at once rather than after the whole album.
        EXPECT_LT(result.albumFrames, job.frames) << c.name;
    }
}

TEST(ConversionLibrary, NothingToConvertWritesNothing)
{
    QTemporaryDir dir;
    ConversionLibrary library;
    library.setFormatPreset(FormatPreset::Dvd, TvSystem::Pal);
    library.setVideoFileName(dir.filePath(QStringLiteral("empty.mpg")));
    EXPECT_EQ(library.convert().outcome, ConversionOutcome::NothingToConvert);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("empty.mpg"))));
}

TEST(ConversionLibrary, CallbacksRunOnTheCallingThreadAndReportProgress)
{
    QTemporaryDir dir;
    ConversionLibrary library;
    Job job;
    job.preset = FormatPreset::Svcd;
    job.frames = 50;
    job.fileName = dir.filePath(QStringLiteral("progress.mpg"));
    configure(library, job);
    const std::thread::id caller = std::this_thread::get_id();
    bool allOnCaller = true;
    QStringList songsTold;
    QList<ConversionProgress> reports;
    library.setVideoFunction([&](int index, const QString&, QImage& frame) {
        allOnCaller = allOnCaller && std::this_thread::get_id() == caller;
        frame = albumFrame(index);
    });
    library.setAudioFunction([&](int, const QString& name) {
        allOnCaller = allOnCaller && std::this_thread::get_id() == caller;
        songsTold.append(name);
    });
    library.setProgressFunction([&](const ConversionProgress& progress) {
        allOnCaller = allOnCaller && std::this_thread::get_id() == caller;
        reports.append(progress);
    });
    ASSERT_TRUE(library.convert().ok());
    EXPECT_TRUE(allOnCaller);
    EXPECT_EQ(songsTold, job.songs);
    ASSERT_GE(reports.size(), 4);
    EXPECT_EQ(reports.first().status, int(ConversionStatus::Preparing));
    EXPECT_EQ(reports.at(1).status, int(ConversionStatus::Frame));
    EXPECT_EQ(reports.at(1).frame, 25);
    EXPECT_EQ(reports.at(reports.size() - 2).status, int(ConversionStatus::Multiplexing));
    EXPECT_EQ(reports.at(reports.size() - 2).percent, 100);
    EXPECT_EQ(reports.last().status, int(ConversionStatus::ProcessingTime));
}

TEST(ConversionLibrary, ProgressTextsOfTheLog)
{
    struct Case {
        ConversionProgress progress;
        const char* text;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 3725.4, 0}, "Processing time: 01:02:05"},
        {{1, 0, 0, 0, 0, 0}, "Preparing conversion..."},
        {{2, 12, 0, 0, 0, 0}, "Reducing colors, done frames: 12"},
        {{3, 250, 441000, 0, 10, 70.2}, "Frame: 250, Sample: 441000, Time Left: 00:01:10"},
        {{4, 0, 0, 57, 0, 0}, "Multiplexing done: 57%"},
        {{9, 0, 0, 0, 0, 0}, "Unrecognized status code"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conversionProgressText(c.progress), QString::fromLatin1(c.text));
}

}  // namespace
}  // namespace xc
