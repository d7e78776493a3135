#include "tests/cli/cli_runner.h"
#include "tests/conversion/media_probe.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace xc {
namespace {

using test::TestTree;

// One sample photo, the sample song with its lyrics and karaoke script, a small AVI.
QStringList sampleAlbum(const TestTree& tree, const QString& output)
{
    const QString samples = tree.path(QStringLiteral("yinyuegeci/"));
    return {"make", "--app-dir", tree.workspace().appDir(),
            "--photos", tree.path(QStringLiteral("smxcwjj/samples/landscape_mountain_lake.jpg")),
            "--music", samples + QStringLiteral("甜蜜蜜.mp3"), "--lyrics", samples + QStringLiteral("甜蜜蜜.lrc"),
            "--karaoke", samples + QStringLiteral("甜蜜蜜.ksc"),
            "--text", QStringLiteral("00:02|相册工坊|从左上向右下|clYellow|黑体|20"),
            "--overlay", tree.path(QStringLiteral("smxcwjj/samples/portrait_lanterns.jpg")) + QStringLiteral("|1|2.5|1500,60,360,400|80"),
            "--kind", "AVI", "--size", "320x176", "--seed", "3", "-o", output};
}

TEST(CliMake, MakesTheSampleAlbumAndCleansTheDataTree)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    const QString output = out.filePath(QStringLiteral("nested/album"));
    const test::CliRun run = test::runCli(sampleAlbum(tree, output), 300000);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString file = output + QStringLiteral(".avi");
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(file));
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("剩余")));
    const test::ProbedFile probed = test::probeFile(file);
    ASSERT_TRUE(probed.opened);
    ASSERT_NE(probed.stream("video"), nullptr);
    ASSERT_NE(probed.stream("audio"), nullptr);
    EXPECT_EQ(probed.stream("video")->codec, "mpeg4");
    EXPECT_GT(probed.stream("video")->decodedFrames, 100);
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.rar"))));
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_1"))).exists());
}

// Two runs on the same program folder at once each work in their own folder: their albums are
// byte for byte the albums the same runs make one after the other.
TEST(CliMake, TwoRunsAtOnceMakeTheAlbumsTheyMakeOneAfterTheOther)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    const auto second = [&](const QString& output) {
        return QStringList{"make", "--app-dir", tree.workspace().appDir(),
                           "--photos", tree.path(QStringLiteral("smxcwjj/samples/portrait_lanterns.jpg")),
                           "--photos", tree.path(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg")),
                           "--kind", "AVI", "--size", "480x272", "--seed", "8", "-o", output};
    };
    QProcess a, b;
    a.start(test::builtPath(QStringLiteral("xiangce-cli")), sampleAlbum(tree, out.filePath(QStringLiteral("a_together"))));
    b.start(test::builtPath(QStringLiteral("xiangce-cli")), second(out.filePath(QStringLiteral("b_together"))));
    ASSERT_TRUE(a.waitForFinished(300000) && b.waitForFinished(300000));
    ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    ASSERT_EQ(test::runCli(sampleAlbum(tree, out.filePath(QStringLiteral("a_alone"))), 300000).exitCode, 0);
    ASSERT_EQ(test::runCli(second(out.filePath(QStringLiteral("b_alone"))), 300000).exitCode, 0);
    for (const char* album : {"a", "b"}) {
        const QByteArray together = test::readFile(out.filePath(QStringLiteral("%1_together.avi").arg(album)));
        ASSERT_GT(together.size(), 10000) << album;
        EXPECT_TRUE(together == test::readFile(out.filePath(QStringLiteral("%1_alone.avi").arg(album)))) << album;
    }
    EXPECT_GT(test::probeFile(out.filePath(QStringLiteral("b_together.avi"))).stream("video")->decodedFrames, 300);
}

// A DVD at the disc's own size is written for the disc: the authoring tool takes it as it is.
TEST(CliMake, ADvdAtTheDiscSizeAuthorsWithoutAnError)
{
    const QString dvdauthor = QStandardPaths::findExecutable(QStringLiteral("dvdauthor"));
    ASSERT_FALSE(dvdauthor.isEmpty()) << "dvdauthor is installed by scripts/install-deps.sh";
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    const QString album = out.filePath(QStringLiteral("disc.mpg"));
    const test::CliRun made = test::runCli({"make", "--app-dir", tree.workspace().appDir(), "--photos",
                                            tree.path(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg")), "--music",
                                            tree.path(QStringLiteral("yinyuegeci/甜蜜蜜.mp3")), "--kind", "DVD", "--size", "720x576",
                                            "--seed", "2", "-o", album},
                                           300000);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VIDEO_FORMAT"), QStringLiteral("PAL"));
    const QString disc = out.filePath(QStringLiteral("disc"));
    for (const QStringList& arguments : {QStringList{"-o", disc, "-t", album}, QStringList{"-o", disc, "-T"}}) {
        QProcess author;
        author.setProcessEnvironment(environment);
        author.setProcessChannelMode(QProcess::MergedChannels);
        author.start(dvdauthor, arguments);
        ASSERT_TRUE(author.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(author.readAll());
        EXPECT_EQ(author.exitCode(), 0) << said.toStdString();
        EXPECT_FALSE(said.contains(QStringLiteral("ERR:"))) << said.toStdString();
    }
    EXPECT_TRUE(QFile::exists(disc + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB")));
    EXPECT_TRUE(QFile::exists(disc + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")));
}

TEST(CliMake, AnUnreadablePhotoIsSkippedWithAWarningUnlessStrict)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    tree.writeFile(QStringLiteral("photos/坏.jpg"), "not a photo at all");
    QFile::copy(tree.path(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg")), tree.path(QStringLiteral("photos/good.jpg")));
    const QStringList args{"make", "--app-dir", tree.workspace().appDir(), "--photos", tree.path(QStringLiteral("photos")),
                           "--kind", "AVI", "--size", "320x176", "--seed", "1", "-o", out.filePath(QStringLiteral("album"))};
    const test::CliRun skipped = test::runCli(args, 300000);
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(skipped.err).contains(QStringLiteral("警告：已跳过无法读取的相片。"))) << skipped.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(skipped.err).contains(QStringLiteral("坏.jpg")));
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("album.avi"))));

    const test::CliRun strict = test::runCli(QStringList(args) << "--strict" << "-o" << out.filePath(QStringLiteral("strict")));
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(strict.err).contains(QStringLiteral("坏.jpg")));
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("strict.avi"))));
}

// A damaged song makes FFmpeg's decoder complain in English on every damaged frame: those lines
// belong in the render's log (shown by --verbose), not between our messages.
TEST(CliMake, FfmpegsOwnMessagesGoToTheLogNotTheTerminal)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    QByteArray song = test::readFile(tree.path(QStringLiteral("yinyuegeci/甜蜜蜜.mp3")));
    for (int i = 100000; i < 140000; ++i)
        song[i] = char((i * 7919) & 0xFF);
    tree.writeFile(QStringLiteral("damaged.mp3"), song);
    const QStringList args{"make", "--app-dir", tree.workspace().appDir(), "--photos",
                           tree.path(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg")), "--music", tree.path(QStringLiteral("damaged.mp3")),
                           "--kind", "AVI", "--size", "320x176", "--seed", "1"};
    const test::CliRun quiet = test::runCli(QStringList(args) << "-o" << out.filePath(QStringLiteral("quiet")), 300000);
    EXPECT_EQ(quiet.exitCode, 0) << quiet.err.toStdString();
    EXPECT_FALSE(quiet.err.contains(" @ 0x")) << quiet.err.toStdString();
    const test::CliRun verbose = test::runCli(QStringList(args) << "--verbose" << "-o" << out.filePath(QStringLiteral("verbose")), 300000);
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_TRUE(verbose.err.contains("FFmpeg: [mp3")) << verbose.err.toStdString();
}

TEST(CliMake, InterruptStopsTheRenderAndRemovesTheUnfinishedOutput)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    const QString output = out.filePath(QStringLiteral("album.avi"));
    QProcess process;
    process.setReadChannel(QProcess::StandardError);
    process.start(test::builtPath(QStringLiteral("xiangce-cli")), sampleAlbum(tree, output));
    QByteArray err;
    while (!err.contains("制作相册") && process.waitForReadyRead(60000))
        err += process.readAllStandardError();
    ASSERT_TRUE(err.contains("制作相册")) << err.toStdString();
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(60000));
    err += process.readAllStandardError();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("已停止制作")));
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_FALSE(QFile::exists(tree.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.rar"))));
}

TEST(CliMake, BadInputGetsOneLineAndANonZeroCode)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir out;
    const QString appDir = tree.workspace().appDir();
    const QString photos = tree.path(QStringLiteral("smxcwjj/samples"));
    struct Case {
        QStringList args;
        int code;
        const char* says;
    };
    QDir().mkpath(out.filePath(QStringLiteral("taken")));
    const Case cases[] = {
        {{"make", "--app-dir", appDir, "-o", out.filePath("a")}, 2, "no photos"},
        {{"make", "--app-dir", appDir, "--photos", photos}, 2, "no output"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--kind", "BLURAY", "-o", out.filePath("a")}, 2, "--kind"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--kind", "VCD", "--size", "17x17", "-o", out.filePath("a")}, 2, "VCD pictures are from 320x176 to 1280x720"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--size", "99999x99999", "-o", out.filePath("a")}, 2, "DVD pictures are from 32x32 to 1920x1080"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--text", "1:00|x|从左上向右下|clRed|黑体|20", "-o", out.filePath("a")}, 2, "mm:ss"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--overlay", "x.png|1|2|0,0,10", "-o", out.filePath("a")}, 2, "x,y,w,h"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--overlay", tree.path("gone.png") + "|1|2|0,0,10,10|50", "-o", out.filePath("a")}, 1, "gone.png"},
        {{"make", "--app-dir", appDir, "--photos", tree.path("missing.jpg"), "-o", out.filePath("a")}, 1, "missing.jpg"},
        {{"make", "--app-dir", appDir, "--photos", photos, "--kind", "XLTP", "-o", out.filePath("taken")}, 1, "输入的文件名存在"},
    };
    for (const Case& c : cases) {
        const test::CliRun run = test::runCli(c.args);
        EXPECT_EQ(run.exitCode, c.code) << c.says;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(c.says))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out.filePath("a.mpg")));
}

}  // namespace
}  // namespace xc
