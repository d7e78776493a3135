#include "core/file_ops.h"
#include "core/single_instance.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace xc;
using xc::test::TestTree;

TEST(DeleteTree, RemovesNestedFoldersAndTheFolderItself)
{
    TestTree tree;
    tree.writeFile("smxcwjj/a/b/c/d/deep.txt", "x");
    tree.writeFile("smxcwjj/a/top.txt", "x");
    tree.writeFile("smxcwjj/a/.hidden", "x");
    deleteTree(tree.workspace(), tree.path("smxcwjj/a"));
    EXPECT_FALSE(QFileInfo::exists(tree.path("smxcwjj/a")));
    EXPECT_TRUE(QFileInfo::exists(tree.path("smxcwjj")));
}

TEST(DeleteTree, MissingFolderIsNotAnError)
{
    TestTree tree;
    deleteTree(tree.workspace(), tree.path("smxcwjj/nothing/here"));
    SUCCEED();
}

TEST(DeleteTree, NeverFollowsLinksOrLeavesTheDataTree)
{
    QTemporaryDir outside;
    QFile precious(outside.filePath("precious.jpg"));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("photo");
    precious.close();

    TestTree tree;
    tree.writeFile("smxcwjj/work/file.txt", "x");
    ASSERT_TRUE(QFile::link(outside.path(), tree.path("smxcwjj/work/link-to-user-folder")));
    deleteTree(tree.workspace(), tree.path("smxcwjj/work"));
    EXPECT_FALSE(QFileInfo::exists(tree.path("smxcwjj/work")));
    EXPECT_TRUE(QFileInfo::exists(outside.filePath("precious.jpg")));

    // A folder outside the data tree is refused outright.
    deleteTree(tree.workspace(), outside.path());
    EXPECT_TRUE(QFileInfo::exists(outside.filePath("precious.jpg")));
}

TEST(EnsureFolder, CreatesParentsAndGivesUpOnAReadOnlyFolder)
{
    TestTree tree;
    EXPECT_TRUE(ensureFolder(tree.path("smxcwjj/x/y/z")));
    EXPECT_TRUE(QFileInfo(tree.path("smxcwjj/x/y/z")).isDir());

    if (geteuid() == 0)
        GTEST_SKIP() << "root can write into read-only folders";
    QDir().mkpath(tree.path("readonly"));
    QFile::setPermissions(tree.path("readonly"), QFile::ReadOwner | QFile::ExeOwner);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(ensureFolder(tree.path("readonly/smxcwjj/tp_wj")));
    EXPECT_LT(timer.elapsed(), 10000);
    QFile::setPermissions(tree.path("readonly"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(EnsureFolder, GivesUpWhenAFileStandsInTheWay)
{
    TestTree tree;
    tree.writeFile("smxcwjj/blocker", "not a folder");
    EXPECT_FALSE(ensureFolder(tree.path("smxcwjj/blocker/child")));
}

TEST(SwapNames, ExchangesTwoFilesThroughAParkingName)
{
    TestTree tree;
    tree.writeFile("smxcwjj/a.bmp", "A");
    tree.writeFile("smxcwjj/b.bmp", "B");
    swapNames(tree.path("smxcwjj/a.bmp"), tree.path("smxcwjj/b.bmp"), tree.path("smxcwjj/park.bmp"));
    QFile a(tree.path("smxcwjj/a.bmp")), b(tree.path("smxcwjj/b.bmp"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), "B");
    EXPECT_EQ(b.readAll(), "A");
    EXPECT_FALSE(QFileInfo::exists(tree.path("smxcwjj/park.bmp")));
}

TEST(SingleInstance, ASecondGuardFindsTheLockTaken)
{
    QTemporaryDir lockFolder;
    SingleInstanceGuard first(lockFolder.path());
    EXPECT_TRUE(first.isFirstInstance());
    SingleInstanceGuard second(lockFolder.path());
    EXPECT_FALSE(second.isFirstInstance());
}
