#include "media/audio_player.h"
#include "media/chinese_mapping.h"
#include "media/song_pcm_decoder.h"
#include "tests/support/test_tree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace xc;

namespace {

QString fixture(const QString& name) { return xc::test::sourcePath("tests/audio/data/" + name); }

// 59 MP3 frames of 1152 samples at 44.1 kHz: one second of silence, then noise.
constexpr qint64 fixtureLengthMs = 59 * 1152 * 1000 / 44100;

// Lets the event loop run (the player feeds its device from a timer).
void waitMs(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

}  // namespace

TEST(SongLength, ExactForConstantAndVariableBitRates)
{
    // The VBR file without a header is estimated about 300 ms too long from its first frame's
    // bit rate; counting its frames gives the real length.
    for (const char* name : {"cbr_info.mp3", "cbr_plain.mp3", "vbr_xing.mp3", "vbr_plain.mp3"}) {
        const Result<qint64> length = measureSongLengthMs(fixture(name));
        ASSERT_TRUE(length.ok()) << name;
        EXPECT_EQ(length.value(), fixtureLengthMs) << name;
    }
}

TEST(SongLength, FilesWithoutAudioAreReportedByName)
{
    xc::test::TestTree tree;
    tree.writeFile("text.mp3", QByteArray("ID3 is not enough: plain words only\n").repeated(50));
    tree.writeFile("empty.mp3", "");
    for (const QString& path : {tree.path("text.mp3"), tree.path("empty.mp3"), tree.path("missing.mp3")}) {
        const Result<qint64> length = measureSongLengthMs(path);
        EXPECT_FALSE(length.ok()) << path.toStdString();
        EXPECT_TRUE(length.error().contains(path));
    }
}

TEST(SongPcmDecoder, DecodesTheWholeSongAsPcm)
{
    Result<std::unique_ptr<SongPcmDecoder>> decoder = SongPcmDecoder::open(fixture("vbr_plain.mp3"), 48000, 2);
    ASSERT_TRUE(decoder.ok()) << decoder.error().toStdString();
    QByteArray pcm;
    while (decoder.value()->decodeInto(pcm, pcm.size() + 8192)) {
    }
    const qsizetype frames = pcm.size() / 4;
    EXPECT_NEAR(double(frames) / 48000, 1.5, 0.06);
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    auto loudness = [&](qsizetype from, qsizetype to) {
        qint64 sum = 0;
        for (qsizetype i = from * 2; i < to * 2; ++i)
            sum += std::abs(samples[i]);
        return sum / ((to - from) * 2);
    };
    EXPECT_LT(loudness(4800, 40000), 20);        // the silent second
    EXPECT_GT(loudness(55000, frames - 100), 2000);  // the noise after it
}

TEST(AudioPlayer, PlaysStopsAndEndsOnTheClock)
{
    AudioPlayer player;
    EXPECT_FALSE(player.isOpen());
    ASSERT_TRUE(player.open(fixture("cbr_info.mp3")).ok());
    EXPECT_EQ(player.fileName(), fixture("cbr_info.mp3"));
    EXPECT_EQ(player.lengthMs(), fixtureLengthMs);
    EXPECT_EQ(player.positionMs(), 0);
    EXPECT_TRUE(player.isStopped());

    player.play();
    EXPECT_FALSE(player.isStopped());
    waitMs(300);
    const qint64 playing = player.positionMs();
    EXPECT_GT(playing, 0);
    player.stop();
    EXPECT_TRUE(player.isStopped());
    const qint64 stoppedAt = player.positionMs();
    EXPECT_GE(stoppedAt, playing);
    waitMs(100);
    EXPECT_EQ(player.positionMs(), stoppedAt);

    player.play();
    QElapsedTimer waited;
    waited.start();
    while (!player.isStopped() && waited.elapsed() < 10000)
        waitMs(50);
    EXPECT_TRUE(player.isStopped());
    EXPECT_EQ(player.positionMs(), player.lengthMs());

    player.close();
    EXPECT_FALSE(player.isOpen());
    EXPECT_EQ(player.lengthMs(), 0);
}

TEST(AudioPlayer, OpeningAFileThatIsNoSongLeavesItClosed)
{
    AudioPlayer player;
    ASSERT_TRUE(player.open(fixture("cbr_info.mp3")).ok());
    const Status status = player.open(fixture("missing.mp3"));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(player.isOpen());
    player.play();
    EXPECT_TRUE(player.isStopped());
}

TEST(ChineseMapping, ConvertsBetweenSimplifiedAndTraditional)
{
    EXPECT_EQ(convertChineseScript("星星一颗一颗点亮", ChineseScript::Traditional), "星星一顆一顆點亮");
    EXPECT_EQ(convertChineseScript("頭髮與發展", ChineseScript::Simplified), "头发与发展");
    EXPECT_EQ(convertChineseScript("you 我", ChineseScript::Simplified), "you 我");
    EXPECT_EQ(convertChineseScript("", ChineseScript::Traditional), "");
}
