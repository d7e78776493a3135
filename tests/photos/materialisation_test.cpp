#include "core/album_model.h"
#include "core/progress.h"
#include "templates/materialisation.h"
#include "templates/package_codec.h"
#include "tests/photos/photo_fixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

PhotoRecord photoRow(const QString& group, const QString& package, const QString& thumbDone)
{
    PhotoRecord row;
    row.templateFolder = group;
    row.templatePackage = package;
    row.thumbDone = thumbDone;
    return row;
}

}  // namespace

// Only new rows are decoded, each under a fresh value of the decode counter; the first
// materialisation of an album starts from an empty work area.
TEST(Materialisation, DecodesNewRowsUnderFreshScratchNames)
{
    TestTree tree;
    tree.writeFile("packages/m.rar", encodePackage(moviePayload("m")));
    tree.writeFile("smxcwjj/tp_wjj/tp_wjj/stale/file", "left from before");
    AlbumModel model;
    model.settings.templateCounter = "2";
    model.photos.append(photoRow("1", tree.path("packages/m.rar"), kw::done));
    model.photos.append(photoRow("2", tree.path("packages/m.rar"), kw::notDone));

    ASSERT_TRUE(materialiseTemplates(model, tree.workspace(), noProgress()).ok());
    EXPECT_FALSE(QFile::exists(tree.path("smxcwjj/tp_wjj/tp_wjj/stale")));
    EXPECT_EQ(model.settings.materialiseSwitch, kw::off);
    EXPECT_EQ(model.settings.decodeRunCounter, "3");
    EXPECT_FALSE(QFile::exists(tree.path("smxcwjj/tp_wjj/tp_wjj/tp_wjj_1")));
    QFile movie(tree.path("smxcwjj/tp_wjj/tp_wjj/tp_wjj_2/w_j_2.rar"));
    ASSERT_TRUE(movie.open(QIODevice::ReadOnly));
    EXPECT_EQ(movie.readAll(), moviePayload("m"));
    const QStringList scratch = QDir(tree.path("smxcwjj/wj_0_or_1/wj_1_jy")).entryList(QDir::Files);
    EXPECT_EQ(scratch.size(), 22);
    EXPECT_TRUE(scratch.contains("wj_1_jy3-1.rar"));
    EXPECT_TRUE(scratch.contains("wj_1_jy3-22.rar"));
    EXPECT_EQ(model.settings.templateFolderPrefix, tree.path("smxcwjj/tp_wjj/tp_wjj/tp_wjj_"));

    // A damaged movie package stops with a message naming it.
    tree.writeFile("packages/bad.rar", "not a package");
    model.photos.append(photoRow("3", tree.path("packages/bad.rar"), kw::notDone));
    const Status status = materialiseTemplates(model, tree.workspace(), noProgress());
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.error().contains("bad.rar"));
}
