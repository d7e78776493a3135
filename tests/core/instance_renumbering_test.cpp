#include "core/album_model.h"
#include "core/instance_renumbering.h"
#include "tests/support/test_tree.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace xc;
using xc::test::TestTree;

namespace {

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

TEST(RenumberInstances, NumbersFollowTheFirstPhotoAndFoldersMoveAlong)
{
    TestTree tree;
    AlbumModel model;
    for (const char* n : {"2", "2", "5", "3"}) {
        PhotoRecord row;
        row.templateFolder = n;
        row.thumbDone = kw::notDone;
        model.photos.append(row);
    }
    // Each instance folder holds its movie and a fitted photo marked with the old number.
    for (const char* n : {"2", "5", "3"}) {
        const QString folder = QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_%1/").arg(n);
        tree.writeFile(folder + QStringLiteral("w_j_%1.rar").arg(n), QByteArray("movie ") + n);
        tree.writeFile(folder + "picture_1.rar", QByteArray("photo of ") + n);
    }

    renumberInstances(model, tree.workspace());

    QStringList numbers, marks, seqs;
    for (const PhotoRecord& row : model.photos) {
        numbers << row.templateFolder;
        marks << row.thumbDone;
        seqs << row.seq;
    }
    EXPECT_EQ(numbers, (QStringList{"1", "1", "2", "3"}));
    EXPECT_EQ(marks, QStringList(4, kw::done));
    EXPECT_EQ(seqs, (QStringList{"1", "2", "3", "4"}));

    const QString area = tree.path("smxcwjj/tp_wjj/tp_wjj/");
    const std::pair<const char*, const char*> moved[] = {{"1", "2"}, {"2", "5"}, {"3", "3"}};
    for (const auto& [now, was] : moved) {
        const QString folder = area + QStringLiteral("tp_wjj_%1/").arg(now);
        EXPECT_EQ(readAll(folder + QStringLiteral("w_j_%1.rar").arg(now)), QStringLiteral("movie %1").arg(was));
        EXPECT_EQ(readAll(folder + "picture_1.rar"), QStringLiteral("photo of %1").arg(was));
    }
    EXPECT_FALSE(QFileInfo::exists(area + "tp_wjj_5"));
    EXPECT_FALSE(QFileInfo::exists(area + "5_tp_wjj_5"));
}

TEST(RenumberInstances, AnEmptyTableClearsTheWorkingLists)
{
    TestTree tree;
    AlbumModel model;
    model.staging.append(PhotoRecord{});
    model.landscapePool.append(TemplateRecord{});
    model.portraitSinglePool.append(TemplateRecord{});
    renumberInstances(model, tree.workspace());
    EXPECT_TRUE(model.staging.isEmpty());
    EXPECT_TRUE(model.landscapePool.isEmpty());
    EXPECT_TRUE(model.portraitSinglePool.isEmpty());
}
