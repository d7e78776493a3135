#include "core/album_model.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "photos/photo_import.h"
#include "templates/materialisation.h"
#include "tests/photos/photo_fixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

struct RecordingProgress : Progress {
    int total = 0, steps = 0;
    void setTotal(int n) override { total = n; }
    void advance(int n) override { steps += n; }
};

const QString workArea = QStringLiteral("smxcwjj/tp_wjj/tp_wjj");

}  // namespace

// Three photos under the small rule: a landscape one into a1 (1920 × 1080), a quarter-turned one
// into the portrait d1 (608 × 1080), a landscape one into f1 (no slot size: full screen).
TEST(PhotoImport, ProbesFitsMaterialisesAndMakesEveryPicture)
{
    TestTree tree;
    AlbumModel model = startedAlbum(tree);
    model.settings.boardView = kw::boardList;
    QTemporaryDir photoDir;
    const QStringList files{writePhoto(photoDir.path(), "L.jpg", {400, 300}, 1, Qt::red),
                            writePhoto(photoDir.path(), "turned.jpg", {400, 300}, 6, Qt::red),
                            writePhoto(photoDir.path(), "wide.jpeg", {640, 480}, 1, QColor(250, 160, 0))};
    const auto userFiles = snapshot(photoDir.path());
    ScriptedRandom random({0, 0, 1});
    RecordingProgress progress;
    const Status status = importPhotos(model, tree.workspace(), files, progress, random);
    ASSERT_TRUE(status.ok()) << status.error().toStdString();

    ASSERT_EQ(model.photos.count(), 3);
    const PhotoRecord& turned = model.photos[1];
    EXPECT_EQ(turned.orientation, kw::portraitPhoto);
    EXPECT_EQ(turned.width, "300");
    EXPECT_EQ(turned.height, "400");
    EXPECT_EQ(model.photos[2].name, "wide.");
    for (qsizetype i = 0; i < 3; ++i) {
        EXPECT_EQ(model.photos[i].seq, QString::number(i + 1));
        EXPECT_EQ(model.photos[i].templateFolder, QString::number(i + 1));
        EXPECT_EQ(model.photos[i].thumbDone, kw::done);
        EXPECT_EQ(model.photos[i].cropDone, kw::done);
    }
    EXPECT_EQ(model.settings.templateCounter, "3");
    EXPECT_EQ(model.settings.materialiseSwitch, kw::off);
    EXPECT_EQ(model.settings.templateFolderPrefix, tree.path(workArea + "/tp_wjj_"));
    EXPECT_EQ(model.settings.boardView, kw::boardIcons);
    EXPECT_EQ(progress.total, 12);
    EXPECT_EQ(progress.steps, 10);  // 3 × n + 1: the import window fills the rest

    // Movies of each instance and the closing template; 22 intermediate files per decode.
    EXPECT_EQ(readFile(tree.path(workArea + "/tp_wjj_1/w_j_1.rar")), moviePayload("a1"));
    EXPECT_EQ(readFile(tree.path(workArea + "/tp_wjj_2/w_j_2.rar")), moviePayload("d1"));
    EXPECT_EQ(readFile(tree.path(workArea + "/tp_wjj_3/w_j_3.rar")), moviePayload("f1"));
    EXPECT_EQ(readFile(tree.path(workArea + "/tp_wjj_zuihou/w_j_zuihou.rar")), moviePayload("closing"));
    const QStringList scratch = QDir(tree.path("smxcwjj/wj_0_or_1/wj_1_jy")).entryList(QDir::Files);
    EXPECT_EQ(scratch.size(), 88);
    EXPECT_TRUE(scratch.contains("wj_1_jy2-1.rar"));
    EXPECT_TRUE(scratch.contains("wj_1_jy4-22.rar"));
    EXPECT_EQ(model.settings.decodeRunCounter, "4");

    // Fitted pictures: slot sizes, the photo at the top-left, black below a flat photo.
    const QImage fitted1 = loadPicture(tree.path(workArea + "/tp_wjj_1/picture_1.rar"));
    EXPECT_EQ(fitted1.size(), QSize(1920, 1080));
    EXPECT_TRUE(sameColour(fitted1.pixelColor(10, 10), Qt::red));
    const QImage fitted2 = loadPicture(tree.path(workArea + "/tp_wjj_2/picture_1.rar"));
    EXPECT_EQ(fitted2.size(), QSize(608, 1080));
    EXPECT_TRUE(sameColour(fitted2.pixelColor(10, 10), Qt::blue));  // turned upright: blue comes to the top-left
    EXPECT_EQ(loadPicture(tree.path(workArea + "/tp_wjj_3/picture_1.rar")).size(), QSize(1920, 1080));
    EXPECT_EQ(loadPicture(tree.path(workArea + "/t_p_1.rar")).size(), QSize(1920, 1080));

    // Board thumbnails: 150 on the long side, a white 4-pixel frame.
    const QImage thumb1 = loadPicture(tree.path("smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"));
    EXPECT_EQ(thumb1.size(), QSize(158, 120));
    EXPECT_EQ(thumb1.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_TRUE(sameColour(thumb1.pixelColor(8, 8), Qt::red));
    const QImage thumb2 = loadPicture(tree.path("smxcwjj/tp_wj/tp_slt_1/tp_slt_1_2.bmp"));
    EXPECT_EQ(thumb2.size(), QSize(120, 158));
    EXPECT_TRUE(sameColour(thumb2.pixelColor(8, 8), Qt::blue));
    EXPECT_TRUE(QFile::exists(tree.path("smxcwjj/tp_wj/tp_slt_1/tp_slt_1_3.bmp")));

    EXPECT_EQ(snapshot(photoDir.path()), userFiles);  // the user's photos are only read
    EXPECT_TRUE(QDir(tree.path("smxcwjj/tp_wjj")).entryList({"dr_*"}, QDir::Dirs).isEmpty());
}

TEST(PhotoImport, SecondBatchFollowsTheFirst)
{
    FiveLandscapeAlbum album;
    ASSERT_EQ(album.model.photos.count(), 5);
    // The closing movie is not decoded again while it exists; earlier instances stay untouched.
    const QString closing = closingMoviePath(album.tree.workspace(), album.model.settings);
    QFile::remove(closing);
    album.tree.writeFile(workArea + "/tp_wjj_zuihou/w_j_zuihou.rar", "kept");
    const auto before = snapshot(album.tree.path(workArea));

    ScriptedRandom random({0, 0});
    const QStringList more{writePhoto(album.photoDir.path(), "M1.jpg", {300, 400}), writePhoto(album.photoDir.path(), "M2.jpg", {400, 300})};
    ASSERT_TRUE(importPhotos(album.model, album.tree.workspace(), more, noProgress(), random).ok());

    EXPECT_EQ(album.model.photos.count(), 7);
    EXPECT_EQ(album.model.photos[5].templateFolder, "5");
    EXPECT_EQ(album.model.photos[6].templateFolder, "6");
    EXPECT_EQ(album.model.photos[6].seq, "7");
    EXPECT_EQ(album.model.settings.templateCounter, "6");
    const auto after = snapshot(album.tree.path(workArea));
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() != "t_p_1.rar") {
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        }
    }
    EXPECT_TRUE(after.contains("tp_wjj_5/w_j_5.rar"));
    EXPECT_TRUE(QFile::exists(album.thumbnail(7)));
}

// A file the decoder refuses stops the import; the album and its working files stay as they
// were, also when the header was fine and only the picture data is broken.
TEST(PhotoImport, RejectedFileLeavesEverythingAsItWas)
{
    FiveLandscapeAlbum album;
    const QByteArray good = quadrantJpeg({400, 300});
    const QMap<QString, QByteArray> faults{{"empty.jpg", {}}, {"text.jpg", "no picture here"}, {"cut.jpg", good.left(good.size() / 2)}};
    for (auto it = faults.begin(); it != faults.end(); ++it)
        album.tree.writeFile("user/" + it.key(), it.value());
    const QStringList names = QStringList(faults.keys()) << "missing.jpg";

    const QStringList tableBefore = rowValues(album.model.photos);
    const auto workBefore = snapshot(album.tree.path("smxcwjj/tp_wjj"));
    const auto thumbnailsBefore = snapshot(album.tree.path("smxcwjj/tp_wj"));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QStringList batch{writePhoto(album.photoDir.path(), "ok1.jpg", {400, 300}), album.tree.path("user/" + name),
                                writePhoto(album.photoDir.path(), "ok2.jpg", {400, 300})};
        ScriptedRandom random({0, 0, 0});
        const Status status = importPhotos(album.model, album.tree.workspace(), batch, noProgress(), random);
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(status.error().contains(name)) << status.error().toStdString();
        EXPECT_EQ(rowValues(album.model.photos), tableBefore);
        EXPECT_EQ(album.model.settings.templateCounter, "4");
        EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wjj")), workBefore);
        EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wj")), thumbnailsBefore);
    }
}

TEST(PhotoImport, NoTemplateOfTheOrientationLeavesTheBatchOut)
{
    TestTree tree;
    AlbumModel model = startedAlbum(tree, {standardTemplates()[0]});
    QTemporaryDir photoDir;
    const QStringList batch{writePhoto(photoDir.path(), "L.jpg", {400, 300}), writePhoto(photoDir.path(), "P.jpg", {300, 400})};
    ScriptedRandom random({0});
    const Status status = importPhotos(model, tree.workspace(), batch, noProgress(), random);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), "模板库中没有适合竖照片的模板，本次添加的相片没有导入！");
    EXPECT_TRUE(model.photos.isEmpty());
    EXPECT_EQ(model.settings.templateCounter, "0");
    EXPECT_FALSE(QFile::exists(tree.path(workArea + "/tp_wjj_1")));
    EXPECT_TRUE(QDir(tree.path("smxcwjj/tp_wj/tp_slt_1")).isEmpty());
}

// Photos are worked on by both cores; the files must not depend on which core made which.
TEST(PhotoImport, SameSeedSameFiles)
{
    QTemporaryDir photoDir;
    QStringList batch;
    for (int i = 0; i < 14; ++i)
        batch << writePhoto(photoDir.path(), QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')),
                            i % 3 ? QSize(480, 360) : QSize(360, 480), i % 5 == 4 ? 6 : 1, QColor::fromHsv(i * 25, 200, 200));
    const auto importInto = [&](const TestTree& tree) {
        AlbumModel model = startedAlbum(tree);
        EXPECT_TRUE(importPhotos(model, tree.workspace(), batch, noProgress(), *seededRandomSource(42)).ok());
        // The rows name the template packages inside each tree.
        return std::make_pair(rowValues(model.photos).replaceInStrings(tree.path(""), ""), snapshot(tree.path("smxcwjj/tp_wjj")).values() + snapshot(tree.path("smxcwjj/tp_wj")).values());
    };
    TestTree first, second;
    const auto a = importInto(first);
    const auto b = importInto(second);
    EXPECT_EQ(a.second, b.second);
    EXPECT_EQ(a.first.size(), 14);
    EXPECT_EQ(a.first, b.first);
}
