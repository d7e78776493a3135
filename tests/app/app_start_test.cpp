#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace xc {
namespace {

// Runs the desktop program on the offscreen platform with its own runtime folder (where the
// single-instance lock lives) and its own copy of the data tree.
class DesktopProgram {
public:
    explicit DesktopProgram(const QString& runtimeFolder, const QString& appDir)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        m_process.setProcessEnvironment(environment);
        m_appDir = appDir;
    }
    ~DesktopProgram()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    void start(QStringList arguments)
    {
        m_process.start(test::builtPath(QStringLiteral("xiangce")), arguments << QStringLiteral("--app-dir") << m_appDir);
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QString m_appDir;
};

// The program works in a folder of its own under the runtime folder, gone when it ends, and
// removes the one a crashed run left; the program folder it reads is left as it was.
TEST(DesktopStart, ShowsTheReadyWindowAndWorksInAFolderOfItsOwn)
{
    QTemporaryDir runtime;
    test::TestTree tree(test::TestTree::Contents::BuiltDataTree);
    const QString abandoned = runtime.path() + QStringLiteral("/xiangce/run-999999999/smxcwjj/tp_wjj/tp_wjj/tp_wjj_7");
    QDir().mkpath(abandoned);
    const QStringList before = QDir(tree.path(QStringLiteral("smxcwjj"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    DesktopProgram program(runtime.path(), tree.workspace().appDir());
    program.start({QStringLiteral("--quit-when-ready")});
    ASSERT_TRUE(program.process().waitForFinished(60000));
    EXPECT_EQ(program.process().exitCode(), 0);
    EXPECT_TRUE(program.process().readAllStandardOutput().startsWith("ready after "));
    EXPECT_EQ(QDir(tree.path(QStringLiteral("smxcwjj"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(runtime.path() + QStringLiteral("/xiangce")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(DesktopStart, ASecondCopyLeavesAtOnceWithCodeZero)
{
    QTemporaryDir runtime;
    test::TestTree tree(test::TestTree::Contents::BuiltDataTree);
    DesktopProgram first(runtime.path(), tree.workspace().appDir());
    first.start({});
    ASSERT_TRUE(first.process().waitForStarted());
    // The first copy holds the lock once its lock file exists.
    const QString lock = runtime.path() + QStringLiteral("/相册工坊.lock");
    for (int i = 0; i < 100 && !QFile::exists(lock); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(lock));

    DesktopProgram second(runtime.path(), tree.workspace().appDir());
    second.start({});
    ASSERT_TRUE(second.process().waitForFinished(10000));
    EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_TRUE(second.process().readAllStandardOutput().isEmpty());
    EXPECT_EQ(first.process().state(), QProcess::Running);  // undisturbed
}

// The desktop open on a program folder while a command-line run makes an album from it: the
// album is the one made with the desktop closed, and the desktop's working files are untouched.
TEST(DesktopStart, RunsBesideACommandLineAlbum)
{
    QTemporaryDir runtime;
    QTemporaryDir out;
    test::TestTree tree(test::TestTree::Contents::BuiltDataTree);
    const QString photo = tree.path(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg"));
    DesktopProgram desktop(runtime.path(), tree.workspace().appDir());
    desktop.start({photo});
    ASSERT_TRUE(desktop.process().waitForStarted());
    // Ready once its photo has a board thumbnail in its own working folder.
    const QString thumbnail = runtime.path() + QStringLiteral("/xiangce/run-%1/smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp")
                                                   .arg(desktop.process().processId());
    for (int i = 0; i < 200 && !QFile::exists(thumbnail); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(thumbnail));

    const auto make = [&](const QString& name) {
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        cli.setProcessEnvironment(environment);
        cli.start(test::builtPath(QStringLiteral("xiangce-cli")),
                  {"make", "--app-dir", tree.workspace().appDir(), "--photos", photo, "--kind", "AVI", "--size", "320x176",
                   "--seed", "4", "-o", out.filePath(name)});
        cli.waitForFinished(300000);
        return cli.exitCode();
    };
    ASSERT_EQ(make(QStringLiteral("beside")), 0);
    EXPECT_TRUE(QFile::exists(thumbnail));  // the desktop's working files are still there
    EXPECT_EQ(desktop.process().state(), QProcess::Running);
    desktop.process().kill();
    desktop.process().waitForFinished(5000);
    ASSERT_EQ(make(QStringLiteral("alone")), 0);
    const QByteArray beside = test::readFile(out.filePath(QStringLiteral("beside.avi")));
    EXPECT_GT(beside.size(), 10000);
    EXPECT_TRUE(beside == test::readFile(out.filePath(QStringLiteral("alone.avi"))));
}

}  // namespace
}  // namespace xc
