#include "core/workspace_cleanup.h"
#include "tests/support/test_tree.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace xc;
using xc::test::TestTree;

TEST(WorkspaceCleanup, StartRecreatesThumbnailFoldersAndRemovesScratch)
{
    TestTree tree;
    tree.writeFile("smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp", "old");
    tree.writeFile("smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar", "old");
    tree.writeFile("smxcwjj/tp_wjj/pic/picture_0.rar", "old");
    tree.writeFile("smxcwjj/wj_yl_xg_1/wj_yl_xg_1/x.rar", "old");
    tree.writeFile("smxcwjj/tp_load/tp_load_1.bmp", "old");
    tree.writeFile("smxcwjj/tp_0/tp_slt_tp_0.png", "old");
    tree.writeFile("smxcwjj/wj_0_or_2/wjj_02/keep.rar", "shipped");

    EXPECT_TRUE(cleanWorkspaceAtStart(tree.workspace()).isEmpty());

    for (const char* folder : {"smxcwjj/tp_wj/tp_slt_1", "smxcwjj/tp_wj/tp_slt_2", "smxcwjj/tp_wj/tp_slt_3",
                               "smxcwjj/wj_0_or_1/wj_1_jy"})
        EXPECT_TRUE(QFileInfo(tree.path(folder)).isDir()) << folder;
    EXPECT_FALSE(QFileInfo::exists(tree.path("smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp")));
    for (const char* gone : {"smxcwjj/tp_wjj/tp_wjj", "smxcwjj/tp_wjj/pic", "smxcwjj/wj_yl_xg_1",
                             "smxcwjj/tp_load/tp_load_1.bmp", "smxcwjj/tp_0/tp_slt_tp_0.png"})
        EXPECT_FALSE(QFileInfo::exists(tree.path(gone))) << gone;
    EXPECT_TRUE(QFileInfo::exists(tree.path("smxcwjj/wj_0_or_2/wjj_02/keep.rar")));
}

TEST(WorkspaceCleanup, ExitRemovesEveryWorkingFolderButKeepsShippedFiles)
{
    TestTree tree;
    cleanWorkspaceAtStart(tree.workspace());
    tree.writeFile("smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar", "movie");
    tree.writeFile("smxcwjj/wj_0_or_2/wjj_00_j_y/wjj_00_j_y1-1.rar", "scratch");
    tree.writeFile("smxcwjj/wj_0_or_1/wj_1.rar", "shipped");

    cleanWorkspaceAtExit(tree.workspace());

    for (const char* gone : {"smxcwjj/tp_wj", "smxcwjj/tp_wjj", "smxcwjj/wj_0_or_2/wjj_00_j_y", "smxcwjj/wj_0_or_1/wj_1_jy"})
        EXPECT_FALSE(QFileInfo::exists(tree.path(gone))) << gone;
    EXPECT_TRUE(QFileInfo::exists(tree.path("smxcwjj/wj_0_or_1/wj_1.rar")));
}
