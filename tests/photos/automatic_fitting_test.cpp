#include "core/album_model.h"
#include "core/progress.h"
#include "photos/automatic_fitting.h"
#include "templates/classification.h"
#include "tests/photos/photo_fixtures.h"

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

// The classified lists of a catalogue, built in memory: landscape a1 b2 c3 f1, portrait d1 e2.
AlbumModel albumWith(const QList<TemplateFixture>& templates = standardTemplates())
{
    AlbumModel model;
    for (const TemplateFixture& t : templates) {
        TemplateRecord row;
        row.photoCount = t.photoCount;
        row.slotWidths = t.widths;
        row.slotHeights = t.heights;
        row.slotOrientations = t.orientations;
        row.slotJpgNames = "|picture_1|";
        row.package = t.name;
        row.index = QString::number(model.catalogue.count());
        row.frames = "50";
        model.catalogue.append(row);
    }
    sortTemplates(model);
    countSlots(model);
    return model;
}

// Staging rows from a batch written as "LPL…" (landscape, portrait).
void stage(AlbumModel& model, const QString& batch)
{
    model.staging.clear();
    for (qsizetype i = 0; i < batch.size(); ++i) {
        PhotoRecord row;
        row.seq = QString::number(i + 1);
        row.path = QStringLiteral("/photos/%1%2.jpg").arg(batch[i]).arg(i + 1);
        row.orientation = batch[i] == 'P' ? kw::portraitPhoto : kw::landscapePhoto;
        model.staging.append(row);
    }
}

struct CountingProgress : Progress {
    int steps = 0;
    void advance(int n) override { steps += n; }
};

Status fit(AlbumModel& model, const QString& batch, QList<int> picks)
{
    stage(model, batch);
    ScriptedRandom random(std::move(picks));
    CountingProgress progress;
    const Status status = fitBatch(model, progress, random);
    EXPECT_TRUE(random.exhausted()) << "fewer draws than scripted";
    if (status.ok()) {
        EXPECT_EQ(progress.steps, batch.size());
    }
    return status;
}

}  // namespace

// The medium rule on L1 P1 L2 L3 P2 P3 with the counter at 4: L1 draws the 2-slot b2 and takes
// L2 along; P1 draws the 2-slot e2 and takes P2; L3 draws b2 but is alone and falls back to a1;
// P3 draws the single d1.
TEST(AutomaticFitting, WorkedExampleOfTheMediumRule)
{
    AlbumModel model = albumWith();
    model.settings.templateCounter = "4";
    ASSERT_TRUE(fit(model, "LPLLPP", {1, 1, 1, 0, 0}).ok());

    EXPECT_EQ(column(model.photos, &PhotoRecord::path),
              (QStringList{"/photos/L1.jpg", "/photos/P2.jpg", "/photos/L3.jpg", "/photos/L4.jpg", "/photos/P5.jpg", "/photos/P6.jpg"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder), (QStringList{"5", "6", "5", "7", "6", "8"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::fitTag),
              (QStringList{"picture_1  heng", "picture_1  shu", "picture_2  heng", "picture_1he不成立", "picture_2  shu", "picture_1s"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::slotName),
              (QStringList{"picture_1", "picture_1", "picture_2", "picture_1", "picture_2", "picture_1"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::templatePackage), (QStringList{"b2", "e2", "b2", "a1", "e2", "d1"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::slotWidth), (QStringList{"800", "600", "800", "1920", "600", "608"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::slotHeight), (QStringList{"600", "800", "600", "1080", "800", "1080"}));
    EXPECT_EQ(model.settings.templateCounter, "8");

    const PhotoRecord& l1 = model.photos[0];
    EXPECT_EQ(l1.templateIndex, "1");
    EXPECT_EQ(l1.templatePhotoCount, "2");
    EXPECT_EQ(l1.templateWidths, "|800|800|");
    EXPECT_EQ(l1.templateHeights, "|600|600|");
    EXPECT_EQ(l1.templateOrientations, "|heng|heng|");
    EXPECT_EQ(l1.templateJpgNames, "|picture_1|");
    EXPECT_EQ(l1.templateFrames, "50");
    EXPECT_EQ(column(model.photos, &PhotoRecord::thumbDone), QStringList(6, kw::notDone));
    EXPECT_EQ(column(model.photos, &PhotoRecord::cropDone), QStringList(6, kw::notDone));

    // Main pools hold the templates of one or two photos, fallback pools the single ones.
    EXPECT_EQ(model.landscapePool.count(), 3);
    EXPECT_EQ(model.landscapeSinglePool.count(), 2);
    EXPECT_EQ(model.portraitPool.count(), 2);
    EXPECT_EQ(model.portraitSinglePool.count(), 1);

    // The next batch continues the group numbers.
    ASSERT_TRUE(fit(model, "LP", {0, 0}).ok());
    EXPECT_EQ(model.photos[6].templateFolder, "9");
    EXPECT_EQ(model.photos[7].templateFolder, "10");
}

TEST(AutomaticFitting, SmallBatchesGetOneSinglePhotoTemplateEach)
{
    AlbumModel model = albumWith();
    model.landscapeSinglePool = model.landscapeTemplates;  // left from an earlier run
    ASSERT_TRUE(fit(model, "LPLP", {0, 0, 1, 0}).ok());
    EXPECT_EQ(column(model.photos, &PhotoRecord::fitTag), QStringList(4, "picture_1"));
    EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(column(model.photos, &PhotoRecord::templatePackage), (QStringList{"a1", "d1", "f1", "d1"}));
    EXPECT_EQ(model.landscapePool.count(), 2);
    EXPECT_EQ(model.landscapeSinglePool.count(), 4);  // the small rule leaves the fallback pools alone
}

TEST(AutomaticFitting, FallsBackWhenTooFewPhotosOfTheOrientationWait)
{
    {
        SCOPED_TRACE("one landscape photo, a 2-slot draw; four portraits, the last pair one short");
        AlbumModel model = albumWith();
        ASSERT_TRUE(fit(model, "LPPPP", {1, 0, 1, 1, 0, 0}).ok());
        EXPECT_EQ(column(model.photos, &PhotoRecord::fitTag),
                  (QStringList{"picture_1he不成立", "picture_1  shu", "picture_2  shu", "picture_1sh不成立", "picture_1s"}));
        EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "2", "2", "3", "4"}));
    }
    {
        SCOPED_TRACE("exactly two portraits never form a 2-slot group, exactly two landscapes do");
        AlbumModel model = albumWith();
        ASSERT_TRUE(fit(model, "LLPPL", {1, 1, 0, 1, 0, 1, 0}).ok());
        EXPECT_EQ(column(model.photos, &PhotoRecord::fitTag),
                  (QStringList{"picture_1  heng", "picture_2  heng", "picture_1sh不成立", "picture_1sh不成立", "picture_1he不成立"}));
        EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "1", "2", "3", "4"}));
    }
}

TEST(AutomaticFitting, LargeBatchesDrawFromEveryTemplate)
{
    AlbumModel model = albumWith();
    // c3 takes the first three landscapes; portraits in between keep their own turn.
    ASSERT_TRUE(fit(model, "LPLLLLLLLLLL", {2, 0, 0, 0, 0, 0, 0, 0, 0, 0}).ok());
    EXPECT_EQ(model.landscapePool.count(), 4);
    EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder).mid(0, 5), (QStringList{"1", "2", "1", "1", "3"}));
    EXPECT_EQ(model.photos[3].fitTag, "picture_3  heng");
    EXPECT_EQ(model.photos[3].slotWidth, "640");
    EXPECT_EQ(model.settings.templateCounter, "10");
}

TEST(AutomaticFitting, SameSeedSameAlbum)
{
    const auto fitWithSeed = [](quint64 seed) {
        AlbumModel model = albumWith();
        stage(model, "LLPLPLLPLLPPLLLL");
        fitBatch(model, noProgress(), *seededRandomSource(seed));
        QStringList rows;
        for (const PhotoRecord& row : model.photos)
            rows << row.templateFolder + row.fitTag + row.templatePackage;
        return rows;
    };
    EXPECT_EQ(fitWithSeed(7), fitWithSeed(7));
    EXPECT_EQ(fitWithSeed(7).size(), 16);
}

// A draw that meets an empty pool leaves the whole batch out.
TEST(AutomaticFitting, EmptyPoolLeavesTheBatchOut)
{
    {
        SCOPED_TRACE("no portrait template at all");
        AlbumModel model = albumWith({standardTemplates()[0]});
        ASSERT_TRUE(fit(model, "L", {0}).ok());
        const Status status = fit(model, "LP", {0});
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(status.error().contains("竖照片"));
        EXPECT_EQ(model.photos.count(), 1);
        EXPECT_EQ(model.settings.templateCounter, "1");
    }
    {
        SCOPED_TRACE("no single-photo landscape template to fall back to");
        AlbumModel model = albumWith({standardTemplates()[1], standardTemplates()[3]});
        const Status status = fit(model, "LPPPP", {0});
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(status.error().contains("横照片"));
        EXPECT_TRUE(model.photos.isEmpty());
        EXPECT_TRUE(model.landscapePool.isEmpty());
        EXPECT_EQ(model.settings.templateCounter, "0");
    }
}
