#include "photos/photo_deletion.h"
#include "tests/photos/photo_fixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

// One thumbnail per row and no more, each showing its row's photo.
void expectThumbnailsMatch(const FiveLandscapeAlbum& album, const QList<QColor>& colours)
{
    const QStringList files = QDir(album.tree.path("smxcwjj/tp_wj/tp_slt_1")).entryList(QDir::Files);
    EXPECT_EQ(files.size(), colours.size()) << files.join(' ').toStdString();
    for (qsizetype row = 1; row <= colours.size(); ++row)
        EXPECT_TRUE(sameColour(loadPicture(album.thumbnail(row)).pixelColor(10, 10), colours[row - 1])) << "thumbnail " << row;
}

}  // namespace

// L4 has group 3 to itself: the group goes, group 4 becomes 3, the thumbnails move down.
TEST(PhotoDeletion, SinglePhotoGroupGoesWithItsFolder)
{
    FiveLandscapeAlbum album;
    const QByteArray group4Picture = readFile(album.instanceFile("4", "picture_1.rar"));
    ASSERT_EQ(deletePhoto(album.model, album.tree.workspace(), 3), DeletionOutcome::Deleted);

    EXPECT_EQ(column(album.model.photos, &PhotoRecord::path), (QStringList{album.paths[0], album.paths[1], album.paths[2], album.paths[4]}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "2", "3"}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::seq), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(album.model.settings.templateCounter, "3");
    EXPECT_EQ(album.model.settings.selectedId, kw::none);
    EXPECT_EQ(readFile(album.instanceFile("3", "w_j_3.rar")), moviePayload("f1"));
    EXPECT_EQ(readFile(album.instanceFile("3", "picture_1.rar")), group4Picture);
    EXPECT_FALSE(QFile::exists(album.instanceFile("4", "")));
    expectThumbnailsMatch(album, {album.tints[0], album.tints[1], album.tints[2], album.tints[4]});
}

// L2 shares group 2 with L3: deleting it needs a refill; nothing happens until one is chosen.
TEST(PhotoDeletion, MemberOfAGroupNeedsARefill)
{
    FiveLandscapeAlbum album;
    const QStringList before = rowValues(album.model.photos);
    const auto files = snapshot(album.tree.path("smxcwjj"));
    EXPECT_EQ(deletePhoto(album.model, album.tree.workspace(), 1), DeletionOutcome::RefillNeeded);
    EXPECT_EQ(rowValues(album.model.photos), before);
    EXPECT_EQ(album.model.settings.templateCounter, "4");
    EXPECT_EQ(snapshot(album.tree.path("smxcwjj")), files);
    EXPECT_EQ(refillCandidates(album.model, 1), (QList<qsizetype>{0, 1, 2, 3, 4}));
}

// Refilling L2's slot with album photo L5: L5's picture fills slot 1 of group 2 and L2 leaves.
// L3 is then the last photo of group 2, so deleting it takes the group along.
TEST(PhotoDeletion, RefillWithAnAlbumPhotoThenDeleteTheLastOfTheGroup)
{
    FiveLandscapeAlbum album;
    ASSERT_TRUE(refillWithAlbumPhoto(album.model, album.tree.workspace(), 1, 4).ok());

    EXPECT_EQ(column(album.model.photos, &PhotoRecord::path), (QStringList{album.paths[0], album.paths[2], album.paths[3], album.paths[4]}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(album.model.settings.templateCounter, "4");
    const QImage slot1 = loadPicture(album.instanceFile("2", "picture_1.rar"));
    EXPECT_EQ(slot1.size(), QSize(800, 600));
    EXPECT_TRUE(sameColour(slot1.pixelColor(10, 10), album.tints[4]));
    EXPECT_TRUE(QFile::exists(album.tree.path("smxcwjj/tp_wjj/tp_wjj/t_p_1.bmp")));
    expectThumbnailsMatch(album, {album.tints[0], album.tints[2], album.tints[3], album.tints[4]});

    ASSERT_EQ(deletePhoto(album.model, album.tree.workspace(), 1), DeletionOutcome::Deleted);
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(album.model.settings.templateCounter, "3");
    EXPECT_EQ(readFile(album.instanceFile("3", "w_j_3.rar")), moviePayload("f1"));
    EXPECT_FALSE(QFile::exists(album.instanceFile("4", "")));
    expectThumbnailsMatch(album, {album.tints[0], album.tints[3], album.tints[4]});
}

// A photo file removed after the import: deleting a photo still works, refilled from the photos
// whose files are there, or from the gone photo's own slot picture when it is the one chosen.
TEST(PhotoDeletion, ARefillNeverFailsOnAPhotoWhoseFileHasGone)
{
    FiveLandscapeAlbum album;
    ASSERT_TRUE(QFile::remove(album.paths[4]));
    ASSERT_TRUE(refillWithAlbumPhoto(album.model, album.tree.workspace(), 1, 4).ok());
    EXPECT_TRUE(sameColour(loadPicture(album.instanceFile("2", "picture_1.rar")).pixelColor(10, 10), album.tints[4]));

    ASSERT_TRUE(QFile::remove(album.paths[0]));
    ScriptedRandom firstPresent({0});  // L1's file is gone too: the first photo still there is L3
    ASSERT_TRUE(refillWithRandomAlbumPhoto(album.model, album.tree.workspace(), 1, firstPresent).ok());
    EXPECT_TRUE(sameColour(loadPicture(album.instanceFile("2", "picture_2.rar")).pixelColor(10, 10), album.tints[2]));
}

TEST(PhotoDeletion, RandomRefillDrawsAmongPhotosOfTheSameOrientation)
{
    FiveLandscapeAlbum album;
    ScriptedRandom random({3});
    ASSERT_TRUE(refillWithRandomAlbumPhoto(album.model, album.tree.workspace(), 2, random).ok());
    EXPECT_TRUE(sameColour(loadPicture(album.instanceFile("2", "picture_2.rar")).pixelColor(10, 10), album.tints[3]));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::path), (QStringList{album.paths[0], album.paths[1], album.paths[3], album.paths[4]}));
}

// A new landscape file takes L2's group and slot at the end of the table and gets a thumbnail.
TEST(PhotoDeletion, RefillWithANewPhotoFile)
{
    FiveLandscapeAlbum album;
    const QColor newTint(250, 130, 200);
    const QString newPhoto = writePhoto(album.photoDir.path(), "new.jpg", {300, 400}, 8, newTint);  // turned: shown 400 × 300
    ASSERT_TRUE(refillWithNewPhoto(album.model, album.tree.workspace(), 1, newPhoto).ok());

    ASSERT_EQ(album.model.photos.count(), 5);
    const PhotoRecord& added = album.model.photos[4];
    EXPECT_EQ(added.path, newPhoto);
    EXPECT_EQ(added.name, "new");
    EXPECT_EQ(added.width, "400");
    EXPECT_EQ(added.height, "300");
    EXPECT_EQ(added.seq, "5");
    EXPECT_EQ(added.templateFolder, "2");
    EXPECT_EQ(added.slotName, "picture_1");
    EXPECT_EQ(added.fitTag, "picture_1  heng");
    EXPECT_EQ(added.thumbDone, kw::done);
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "3", "4", "2"}));
    // Shown upright: stored green (top-right) turns to the top-left.
    EXPECT_TRUE(sameColour(loadPicture(album.instanceFile("2", "picture_1.rar")).pixelColor(10, 10), Qt::green));
    EXPECT_EQ(album.model.settings.templateCounter, "4");
    expectThumbnailsMatch(album, {album.tints[0], album.tints[2], album.tints[3], album.tints[4], Qt::green});
}

TEST(PhotoDeletion, NewPhotoOfTheOtherOrientationIsRefused)
{
    FiveLandscapeAlbum album;
    const QStringList before = rowValues(album.model.photos);
    const auto files = snapshot(album.tree.path("smxcwjj"));
    const QString portrait = writePhoto(album.photoDir.path(), "portrait.jpg", {300, 400});
    const Status status = refillWithNewPhoto(album.model, album.tree.workspace(), 1, portrait);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), "添加的新相片不是横照片,请重新添加！");
    EXPECT_EQ(rowValues(album.model.photos), before);
    EXPECT_EQ(snapshot(album.tree.path("smxcwjj")), files);

    album.tree.writeFile("broken.jpg", "not a photo");
    EXPECT_FALSE(refillWithNewPhoto(album.model, album.tree.workspace(), 1, album.tree.path("broken.jpg")).ok());
    EXPECT_EQ(rowValues(album.model.photos), before);
}

TEST(PhotoDeletion, DeleteAllEmptiesTheAlbum)
{
    FiveLandscapeAlbum album;
    ASSERT_TRUE(deleteAllPhotos(album.model, album.tree.workspace()).ok());
    EXPECT_TRUE(album.model.photos.isEmpty());
    EXPECT_TRUE(album.model.landscapePool.isEmpty());
    EXPECT_TRUE(album.model.landscapeSinglePool.isEmpty());
    EXPECT_EQ(album.model.settings.templateCounter, "0");
    for (const char* folder : {"smxcwjj/tp_wj/tp_slt_1", "smxcwjj/tp_wjj/tp_wjj"}) {
        EXPECT_TRUE(QDir(album.tree.path(folder)).exists());
        EXPECT_TRUE(QDir(album.tree.path(folder)).isEmpty());
    }
}
