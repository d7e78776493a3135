#include "core/album_model.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace xc;
using xc::test::TestTree;

TEST(StartUp, BuildsTheCatalogueThenCleansTheWorkspace)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    tree.writeFile("smxcwjj/tp_wjj/tp_wjj/tp_wjj_9/w_j_9.rar", "left by a crashed run");
    AlbumModel model;
    const StartupReport report = startUp(model, tree.workspace());

    EXPECT_TRUE(report.catalogue.leftOut.isEmpty());
    EXPECT_TRUE(report.foldersNotCreated.isEmpty());
    EXPECT_GT(model.catalogue.count(), 0);
    EXPECT_FALSE(model.landscapeTemplates.isEmpty());
    EXPECT_FALSE(model.portraitTemplates.isEmpty());
    EXPECT_TRUE(QFileInfo(tree.path("smxcwjj/tp_wj/tp_slt_1")).isDir());
    EXPECT_FALSE(QFileInfo::exists(tree.path("smxcwjj/tp_wjj/tp_wjj")));
}
