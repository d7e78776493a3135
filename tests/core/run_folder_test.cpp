#include "core/run_folder.h"
#include "core/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace xc {
namespace {

TEST(Workspace, ShippedDataIsReadFromTheDataFolderAndEverythingElseWrittenToTheWorkFolder)
{
    const Workspace workspace(QStringLiteral("/opt/data"), QStringLiteral("/run/work"));
    struct Case {
        QString relative;
        QString expected;
    };
    const Case cases[] = {
        {paths::parameterPackages + QStringLiteral("/wj_1.rar"), QStringLiteral("/opt/data/smxcwjj/wj_0_or_2/wjj_02/wj_1.rar")},
        {paths::closingPackage, QStringLiteral("/opt/data/smxcwjj/wj_0_or_1/wj_1.rar")},
        {QStringLiteral("smxcwjj/pictures/start.jpg"), QStringLiteral("/opt/data/smxcwjj/pictures/start.jpg")},
        {QStringLiteral("yinyuegeci/甜蜜蜜.mp3"), QStringLiteral("/opt/data/yinyuegeci/甜蜜蜜.mp3")},
        {paths::parameterScratch, QStringLiteral("/run/work/smxcwjj/wj_0_or_2/wjj_00_j_y/")},
        {QStringLiteral("smxcwjj/wj_0_or_1/wj_1_jy.rar"), QStringLiteral("/run/work/smxcwjj/wj_0_or_1/wj_1_jy.rar")},
        {paths::templateWorkArea, QStringLiteral("/run/work/smxcwjj/tp_wjj/tp_wjj/")},
        {QStringLiteral("smxcwjj/samples"), QStringLiteral("/opt/data/smxcwjj/samples")},
        {QStringLiteral("smxcwjj/samplesX/a"), QStringLiteral("/run/work/smxcwjj/samplesX/a")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(workspace.path(c.relative), c.expected) << c.relative.toStdString();
    EXPECT_TRUE(workspace.containsPath(QStringLiteral("/run/work/smxcwjj/tp_wj")));
    EXPECT_FALSE(workspace.containsPath(QStringLiteral("/opt/data/smxcwjj/pictures")));
}

TEST(RunFolder, IsPrivateGoesWithItsRunAndClearsTheFoldersOfRunsThatAreGone)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString base = runtime.path() + QStringLiteral("/xiangce/");
    // A process id above the kernel's limit belongs to no process; process 1 is always there.
    QDir().mkpath(base + QStringLiteral("run-999999999/smxcwjj"));
    QDir().mkpath(base + QStringLiteral("run-1"));
    QString path;
    {
        Result<std::unique_ptr<RunFolder>> run = RunFolder::create();
        ASSERT_TRUE(run.ok()) << run.error().toStdString();
        path = run.value()->path();
        EXPECT_EQ(path, base + QStringLiteral("run-%1/").arg(QCoreApplication::applicationPid()));
        EXPECT_TRUE(QFileInfo(path).isDir());
        EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("run-999999999")));
        EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral("run-1")));
        QDir().mkpath(path + QStringLiteral("smxcwjj/tp_wjj/pic"));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace xc
