#include "photos/board_order.h"
#include "tests/photos/photo_fixtures.h"

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

// Dropping L1 (group 1) onto L4 (group 3): L4 now comes first, so its group becomes 1 and the
// old group 1 becomes 3; folders, movie files and thumbnails follow.
TEST(BoardOrder, ExchangeAcrossGroupsRenumbersFoldersAndThumbnails)
{
    FiveLandscapeAlbum album;
    QList<QByteArray> thumbnails, fitted;
    for (int row = 1; row <= 5; ++row)
        thumbnails << readFile(album.thumbnail(row));
    for (const char* group : {"1", "2", "3", "4"})
        fitted << readFile(album.instanceFile(group, "picture_1.rar"));

    exchangePhotos(album.model, album.tree.workspace(), 0, 3);

    EXPECT_EQ(column(album.model.photos, &PhotoRecord::path),
              (QStringList{album.paths[3], album.paths[1], album.paths[2], album.paths[0], album.paths[4]}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "2", "3", "4"}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::seq), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::thumbDone), QStringList(5, kw::done));
    EXPECT_EQ(album.model.settings.templateCounter, "4");

    EXPECT_EQ(readFile(album.instanceFile("1", "picture_1.rar")), fitted[2]);  // L4's picture
    EXPECT_EQ(readFile(album.instanceFile("3", "picture_1.rar")), fitted[0]);  // L1's picture
    EXPECT_EQ(readFile(album.instanceFile("1", "w_j_1.rar")), moviePayload("a1"));
    EXPECT_EQ(readFile(album.instanceFile("3", "w_j_3.rar")), moviePayload("a1"));
    EXPECT_EQ(readFile(album.instanceFile("4", "w_j_4.rar")), moviePayload("f1"));
    EXPECT_EQ(readFile(album.thumbnail(1)), thumbnails[3]);
    EXPECT_EQ(readFile(album.thumbnail(2)), thumbnails[1]);
    EXPECT_EQ(readFile(album.thumbnail(4)), thumbnails[0]);
    EXPECT_EQ(readFile(album.thumbnail(5)), thumbnails[4]);
}

// Two photos of one group exchange rows but keep their slots, so the template is unchanged.
TEST(BoardOrder, ExchangeWithinAGroupKeepsTheSlots)
{
    FiveLandscapeAlbum album;
    const QByteArray thumbnail2 = readFile(album.thumbnail(2)), thumbnail3 = readFile(album.thumbnail(3));
    const auto work = snapshot(album.tree.path("smxcwjj/tp_wjj/tp_wjj"));

    exchangePhotos(album.model, album.tree.workspace(), 1, 2);

    EXPECT_EQ(album.model.photos[1].path, album.paths[2]);
    EXPECT_EQ(album.model.photos[1].slotName, "picture_2");
    EXPECT_EQ(album.model.photos[2].slotName, "picture_1");
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "2", "3", "4"}));
    EXPECT_EQ(readFile(album.thumbnail(2)), thumbnail3);
    EXPECT_EQ(readFile(album.thumbnail(3)), thumbnail2);
    EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wjj/tp_wjj")), work);

    // A drop on no other tile changes no number and no name.
    const auto thumbnails = snapshot(album.tree.path("smxcwjj/tp_wj"));
    exchangePhotos(album.model, album.tree.workspace(), 4, 4);
    EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wj")), thumbnails);
    EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wjj/tp_wjj")), work);
}
