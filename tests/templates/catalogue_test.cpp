#include "core/album_model.h"
#include "templates/catalogue.h"
#include "templates/package_codec.h"
#include "tests/support/test_tree.h"
#include "tests/templates/template_fixtures.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace xc;
using xc::test::parameterIni;
using xc::test::TestTree;

namespace {

const QString params = QStringLiteral("smxcwjj/wj_0_or_2/wjj_02/");
const QString movies = QStringLiteral("smxcwjj/wj_0_or_2/wjj_01/");

void addPair(const TestTree& tree, const QString& name, const QByteArray& ini)
{
    tree.writeFile(params + name, encodePackage(ini));
    tree.writeFile(movies + name, encodePackage("{\"movie\":\"" + name.toUtf8() + "\"}"));
}

}  // namespace

TEST(ListPackages, SortsByNameAndEntersSubFoldersWhereMet)
{
    TestTree tree;
    for (const char* name : {"b.rar", "a/x.RAR", "a/w.Rar", "c.txt", "0.rar", "B.rar"})
        tree.writeFile(params + name, "x");
    const QString root = tree.path(params).chopped(1);
    EXPECT_EQ(listPackages(root), (QStringList{root + "/0.rar", root + "/B.rar", root + "/a/x.RAR", root + "/b.rar"}));
}

TEST(Catalogue, PairsThePackagesInOrderAndReadsTheirKeys)
{
    TestTree tree;
    addPair(tree, "01.rar", parameterIni("|heng|", "125"));
    addPair(tree, "02.rar", parameterIni("|shu|shu|", "200"));
    AlbumModel model;
    const CatalogueReport report = buildCatalogue(model, tree.workspace());

    EXPECT_TRUE(report.leftOut.isEmpty());
    ASSERT_EQ(model.catalogue.count(), 2);
    EXPECT_EQ(model.catalogue[0].package, tree.path(movies + "01.rar"));
    EXPECT_EQ(model.catalogue[1].package, tree.path(movies + "02.rar"));
    EXPECT_EQ(model.catalogue[1].slotOrientations, "|shu|shu|");
    EXPECT_EQ(model.catalogue[1].frames, "200");
    EXPECT_EQ(model.catalogue[1].kind, "单张");
    EXPECT_EQ(model.catalogue[1].index, "1");
    EXPECT_EQ(model.catalogue[1].classMark, "shu");
    EXPECT_EQ(model.scanNumbering, (QStringList{"1=   0   1", "2=   2   3"}));

    // 22 intermediate files per pair stay; the decoded parameter files do not.
    const QStringList scratch = QDir(tree.path("smxcwjj/wj_0_or_2/wjj_00_j_y")).entryList(QDir::Files);
    EXPECT_EQ(scratch.size(), 44);
    EXPECT_TRUE(scratch.filter(".ini").isEmpty());
    EXPECT_TRUE(scratch.contains("wjj_00_j_y2-22.rar"));
}

TEST(Catalogue, AParameterFileWithoutSlotSectionStillCounts)
{
    TestTree tree;
    addPair(tree, "01.rar", "[l_x_w_j_s_y]\nL_X_W_J_S_Y = s_y_l_x\n");
    AlbumModel model;
    buildCatalogue(model, tree.workspace());
    ASSERT_EQ(model.catalogue.count(), 1);
    EXPECT_EQ(model.catalogue[0].kind, "");
    EXPECT_EQ(model.catalogue[0].slotOrientations, "");
    EXPECT_EQ(model.catalogue[0].index, "0");
    EXPECT_TRUE(model.landscapeTemplates.isEmpty());
}

TEST(Catalogue, DamagedPackagesAreLeftOutAndReported)
{
    TestTree tree;
    addPair(tree, "01.rar", parameterIni("|heng|"));
    addPair(tree, "02.rar", parameterIni("|heng|", "100", "wrong"));
    addPair(tree, "03.rar", "not an ini file at all");
    tree.writeFile(params + "04.rar", encodePackage(parameterIni("|shu|")).left(50));
    tree.writeFile(movies + "04.rar", encodePackage("{}"));
    tree.writeFile(params + "05.rar", QByteArray());
    tree.writeFile(movies + "05.rar", encodePackage("{}"));
    addPair(tree, "06.rar", parameterIni("|shu|"));

    AlbumModel model;
    const CatalogueReport report = buildCatalogue(model, tree.workspace());

    ASSERT_EQ(model.catalogue.count(), 2);
    EXPECT_EQ(model.catalogue[0].package, tree.path(movies + "01.rar"));
    EXPECT_EQ(model.catalogue[1].package, tree.path(movies + "06.rar"));
    EXPECT_EQ(model.catalogue[1].index, "1");  // the index stays the row position
    ASSERT_EQ(report.leftOut.size(), 4);
    for (const char* name : {"02.rar", "03.rar", "04.rar", "05.rar"})
        EXPECT_EQ(report.leftOut.filter(QString::fromLatin1(name)).size(), 1) << name;
    EXPECT_EQ(report.usableTemplates, 2);
    EXPECT_TRUE(report.notice().contains("\n04.rar\n"));
    EXPECT_FALSE(report.notice().contains("06.rar"));
}

TEST(Catalogue, TheNoticeOfALongListNamesTheFirstFilesAndTheCount)
{
    CatalogueReport report;
    for (int i = 1; i <= 12; ++i)
        report.leaveOut(QStringLiteral("/data/smxcwjj/wj_0_or_2/wjj_02/%1.rar").arg(i, 2, 10, QLatin1Char('0')), "broken");
    const QString notice = report.notice();
    EXPECT_TRUE(notice.contains("\n08.rar\n"));
    EXPECT_FALSE(notice.contains("09.rar"));
    EXPECT_TRUE(notice.contains("共 12 个文件"));
    EXPECT_TRUE(notice.contains("/data/smxcwjj/wj_0_or_2/wjj_02"));
    EXPECT_FALSE(notice.contains("broken"));  // the reasons are for the command line
}

TEST(Catalogue, UnpairedPackagesAreReportedNotMisPaired)
{
    TestTree tree;
    addPair(tree, "01.rar", parameterIni("|heng|"));
    tree.writeFile(params + "02.rar", encodePackage(parameterIni("|shu|")));
    AlbumModel model;
    CatalogueReport report = buildCatalogue(model, tree.workspace());
    ASSERT_EQ(model.catalogue.count(), 1);
    EXPECT_EQ(model.catalogue[0].package, tree.path(movies + "01.rar"));
    ASSERT_EQ(report.leftOut.size(), 1);
    EXPECT_TRUE(report.leftOut[0].contains("02.rar"));

    TestTree empty;
    AlbumModel none;
    report = buildCatalogue(none, empty.workspace());
    EXPECT_TRUE(none.catalogue.isEmpty());
    EXPECT_EQ(report.usableTemplates, 0);
}
