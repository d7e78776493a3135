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

}  // namespace
}  // namespace xc
