#include "photos/template_change.h"

#include "core/workspace.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/photos/sample_album.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

QStringList rowsExcept(const PhotoTable& table, const QList<qsizetype>& skipped)
{
    QStringList values = rowValues(table);
    for (qsizetype i = values.size() - 1; i >= 0; --i) {
        if (skipped.contains(i))
            values.removeAt(i);
    }
    return values;
}

}  // namespace

// Same number of photos: only the group's template changes; its photos keep their slots and are
// fitted to the new slot size; every other row, folder and thumbnail stays as it was.
TEST(TemplateChange, SameCountKeepsThePhotosAndChangesOnlyThatGroup)
{
    SampleAlbum album;
    const auto thumbnails = album.thumbnailsByPhoto();
    const QString work = album.tree.path(paths::templateWorkArea);
    const QStringList othersBefore = rowsExcept(album.model.photos, {0, 1});
    const auto group3 = snapshot(work + "tp_wjj_3");
    ScriptedRandom random({});

    const TemplateRecord& sideBySide = album.named("14_heng2_side_by_side");
    const Status changed = changeTemplate(album.model, album.tree.workspace(), 1, sideBySide, random);
    ASSERT_TRUE(changed.ok()) << changed.error().toStdString();

    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateIndex).mid(0, 2), QStringList(2, sideBySide.index));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::slotName).mid(0, 2), (QStringList{"picture_1", "picture_2"}));
    EXPECT_EQ(album.model.photos[0].slotWidth, "840");
    EXPECT_EQ(rowsExcept(album.model.photos, {0, 1}), othersBefore);
    EXPECT_EQ(snapshot(work + "tp_wjj_3"), group3);
    expectConsistentAlbum(album.model, album.tree, thumbnails);

    // A template that takes either orientation, without a slot size: a full-screen picture.
    const Status anyTemplate = changeTemplate(album.model, album.tree.workspace(), 2, album.named("11_any_zoom_through"), random);
    ASSERT_TRUE(anyTemplate.ok()) << anyTemplate.error().toStdString();
    EXPECT_EQ(loadPicture(work + "tp_wjj_2/picture_1.rar").size(), QSize(1920, 1080));
    expectConsistentAlbum(album.model, album.tree, thumbnails);
}

// Fewer slots: L1 stays with the single template, L2 is grouped again by the automatic fitting
// (a batch of one: a single landscape template drawn, here 06) and the later groups move up.
TEST(TemplateChange, FewerSlotsRegroupTheSurplusPhotos)
{
    SampleAlbum album;
    const auto thumbnails = album.thumbnailsByPhoto();
    ScriptedRandom random({5});
    const Status changed = changeTemplate(album.model, album.tree.workspace(), 0, album.named("01_heng_slow_push"), random);
    ASSERT_TRUE(changed.ok()) << changed.error().toStdString();
    EXPECT_TRUE(random.exhausted());

    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "3", "4", "4", "5", "6"}));
    EXPECT_EQ(album.model.photos[0].templateIndex, album.named("01_heng_slow_push").index);
    EXPECT_EQ(album.model.photos[1].templateIndex, album.named("06_heng_doors").index);
    EXPECT_EQ(album.model.photos[1].slotName, "picture_1");
    expectConsistentAlbum(album.model, album.tree, thumbnails);
}

// More slots: P1's group takes P3, the next portrait photo after it; P3's one-photo group is gone.
// A group that loses only some of its photos leaves the rest to be grouped again.
TEST(TemplateChange, MoreSlotsTakeTheNextPhotosAndPickedPhotosLeaveTheirGroups)
{
    SampleAlbum album;
    const auto thumbnails = album.thumbnailsByPhoto();
    ScriptedRandom none({});
    const Status grown = changeTemplate(album.model, album.tree.workspace(), 4, album.named("18_shu3_screens"), none);
    ASSERT_TRUE(grown.ok()) << grown.error().toStdString();
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "1", "2", "3", "3", "3", "4"}));
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::slotName).mid(3, 3), (QStringList{"picture_1", "picture_2", "picture_3"}));
    expectConsistentAlbum(album.model, album.tree, thumbnails);

    // P4 and P2, in that order, for a two-portrait template: P1 and P3 are left and drawn single
    // templates (07, 08) of their own.
    ScriptedRandom random({0, 1});
    const Status picked = formGroup(album.model, album.tree.workspace(), album.named("16_shu2_magazine"), {6, 4}, random);
    ASSERT_TRUE(picked.ok()) << picked.error().toStdString();
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "1", "2", "3", "4", "5", "4"}));
    EXPECT_EQ(album.model.photos[6].slotName, "picture_1");
    EXPECT_EQ(album.model.photos[4].slotName, "picture_2");
    EXPECT_EQ(album.model.photos[4].slotWidth, "450");
    expectConsistentAlbum(album.model, album.tree, thumbnails);
}

// A change that cannot be made names why and leaves the table, the groups and every file alone.
TEST(TemplateChange, ImpossibleChangesLeaveTheAlbumAsItWas)
{
    SampleAlbum album;
    TemplateRecord incomplete = album.named("13_heng2_staggered");
    incomplete.slotOrientations = "|heng|";
    QFile::remove(album.paths[1]);  // L2's file has gone since the import

    struct Case {
        const char* what;
        std::function<Status(ScriptedRandom&)> run;
        QString message;
    };
    const QList<Case> cases{
        {"three landscape slots, one landscape photo from L3 on",
         [&](ScriptedRandom& r) { return changeTemplate(album.model, album.tree.workspace(), 2, album.named("17_heng3_gallery"), r); },
         "需要3张相片（横照3张）"},
        {"a portrait template for a landscape photo",
         [&](ScriptedRandom& r) { return changeTemplate(album.model, album.tree.workspace(), 2, album.named("07_shu_elegant"), r); },
         "没有放横照片的位置"},
        {"slot lists shorter than the photo count",
         [&](ScriptedRandom& r) { return changeTemplate(album.model, album.tree.workspace(), 2, incomplete, r); }, "参数不完整"},
        {"one photo picked for two slots",
         [&](ScriptedRandom& r) { return formGroup(album.model, album.tree.workspace(), album.named("15_shu2_tilted"), {3}, r); },
         "现在选了1张"},
        {"a landscape photo picked for portrait slots",
         [&](ScriptedRandom& r) { return formGroup(album.model, album.tree.workspace(), album.named("15_shu2_tilted"), {0, 3}, r); },
         "不符"},
        {"the same photo twice",
         [&](ScriptedRandom& r) { return formGroup(album.model, album.tree.workspace(), album.named("15_shu2_tilted"), {3, 3}, r); },
         "只能选一次"},
        {"a photo file that can no longer be read",
         [&](ScriptedRandom& r) { return changeTemplate(album.model, album.tree.workspace(), 0, album.named("14_heng2_side_by_side"), r); },
         album.paths[1]},
    };
    const QStringList rows = rowValues(album.model.photos);
    const auto files = snapshot(album.tree.path("smxcwjj/tp_wjj"));
    const auto thumbnails = snapshot(album.tree.path("smxcwjj/tp_wj"));
    for (const Case& c : cases) {
        ScriptedRandom random({});
        const Status status = c.run(random);
        EXPECT_FALSE(status.ok()) << c.what;
        EXPECT_TRUE(status.error().contains(c.message)) << c.what << ": " << status.error().toStdString();
        EXPECT_EQ(rowValues(album.model.photos), rows) << c.what;
        EXPECT_EQ(album.model.settings.templateCounter, "5") << c.what;
        EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wjj")), files) << c.what;
        EXPECT_EQ(snapshot(album.tree.path("smxcwjj/tp_wj")), thumbnails) << c.what;
    }
}

// The manager's classes follow the templates' slot fields.
TEST(TemplateChange, ClassesFollowTheSlotFields)
{
    SampleAlbum album;
    QMap<QString, QStringList> classes;
    for (const TemplateClass& c : templateClasses(album.model)) {
        for (const TemplateRecord& t : c.templates)
            classes[c.title] << QFileInfo(t.package).completeBaseName().left(2);
    }
    EXPECT_EQ(classes["横照"], (QStringList{"01", "02", "03", "04", "05", "06", "11", "12", "13", "14", "17", "19", "21", "23", "24", "26", "31", "33",
                                          "35", "37", "40", "41", "42", "45", "46", "47", "49", "50", "51", "53", "54", "56", "57", "59"}));
    EXPECT_EQ(classes["竖照"], (QStringList{"07", "08", "09", "10", "11", "12", "15", "16", "18", "22", "25", "26", "32", "34", "36", "39",
                                          "42", "43", "44", "47", "48", "51", "52", "53", "58", "60"}));
    EXPECT_EQ(classes["单张"].size(), 31);
    EXPECT_EQ(classes["多张"], (QStringList{"13", "14", "15", "16", "17", "18", "19", "20", "24", "27", "28", "29", "30", "33", "34", "38", "40", "41",
                                          "43", "45", "46", "48", "49", "50", "52", "54", "55", "59", "60"}));
    EXPECT_EQ(classes["全屏"], (QStringList{"01", "02", "05", "06", "11", "12", "26", "42", "47", "51", "53"}));
    EXPECT_EQ(classes["高级"], (QStringList{"20", "27", "28", "29", "30", "38", "55"}));
}
