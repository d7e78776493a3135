#include "effects/album_length.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "core/workspace.h"

#include <gtest/gtest.h>

namespace xc {
namespace {

struct TimeCase {
    qint64 frame;
    const char* text;
};

TEST(AlbumClock, TimeTextOfFrames)
{
    const TimeCase cases[] = {
        {0, "00:00"}, {24, "00:00"}, {25, "00:01"}, {1500, "01:00"}, {1499, "00:59"},
        {(9 * 60 + 59) * 25, "09:59"}, {60 * 60 * 25, "60:00"}, {61 * 60 * 25 + 250, "01:10"},
    };
    for (const TimeCase& c : cases)
        EXPECT_EQ(timeText(c.frame), QString::fromLatin1(c.text)) << c.frame;
}

class AlbumPlanTest : public ::testing::Test {
protected:
    AlbumPlanTest() : workspace(QStringLiteral("/album")) {}

    // One photo per instance with the given template frame counts.
    void addInstances(std::initializer_list<int> frames)
    {
        int n = 0;
        for (int count : frames) {
            PhotoRecord photo;
            photo.templateFolder = QString::number(++n);
            photo.templateFrames = QString::number(count);
            model.photos.append(photo);
        }
        model.settings.templateCounter = QString::number(n);
    }
    void addSongs(std::initializer_list<int> frames)
    {
        for (int count : frames) {
            MusicRecord song;
            song.path = QStringLiteral("/music/%1.mp3").arg(model.music.count());
            song.frames = QString::number(count);
            model.music.append(song);
        }
    }
    static QList<int> limits(const AlbumPlan& plan)
    {
        QList<int> out;
        for (const PlannedTemplate& t : plan.renderTemplates)
            out << t.frameLimit;
        return out;
    }
    static QStringList folders(const AlbumPlan& plan)
    {
        QStringList out;
        for (const PlannedTemplate& t : plan.renderTemplates)
            out << t.instance.folder;
        return out;
    }

    AlbumModel model;
    Workspace workspace;
};

TEST_F(AlbumPlanTest, EmptyAlbumStillHasTheClosingFrames)
{
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(plan.frameBudget, 100);
    EXPECT_EQ(plan.progressTotal(), 200);
    EXPECT_TRUE(plan.renderTemplates.isEmpty());
    EXPECT_TRUE(plan.audioFiles.isEmpty());
}

TEST_F(AlbumPlanTest, InstancesTakeTheirFieldsFromTheLastPhotoOfTheGroup)
{
    addInstances({50, 75});
    PhotoRecord second = model.photos[0];
    second.templateFrames = QStringLiteral("60");
    second.templatePackage = QStringLiteral("pkg");
    model.photos.append(second);
    model.settings.templateCounter = QStringLiteral("3");  // instance 3 has no photo

    const AlbumPlan plan = planAlbum(model, workspace);
    ASSERT_EQ(plan.instances.size(), 3);
    EXPECT_EQ(plan.instances[0].frames, QStringLiteral("60"));
    EXPECT_EQ(plan.instances[0].package, QStringLiteral("pkg"));
    EXPECT_EQ(plan.instances[2].frames, QStringLiteral("0"));
    EXPECT_EQ(plan.instances[1].movie, QStringLiteral("/album/smxcwjj/tp_wjj/tp_wjj/tp_wjj_2/w_j_2.rar"));
    EXPECT_EQ(plan.frameBudget, 60 + 75 + 0 + 100);
    EXPECT_EQ(limits(plan), (QList<int>{-1, -1, -1}));
}

TEST_F(AlbumPlanTest, PhotoLengthRuleCutsTheSongsAtTheEnd)
{
    addInstances({50, 75});
    addSongs({100, 40});
    model.settings.loopPictures = true;  // has no say under the photo-length rule
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(plan.frameBudget, 225);
    EXPECT_EQ(plan.closingStartFrame, 125);
    EXPECT_EQ(plan.audioFiles, (QStringList{"/music/0.mp3", "/music/1.mp3"}));
    EXPECT_TRUE(plan.truncateAudio);
    ASSERT_EQ(plan.songs.size(), 2);
    EXPECT_EQ(plan.songs[1].startFrame, 100);
    EXPECT_EQ(folders(plan), (QStringList{"1", "2"}));
}

TEST_F(AlbumPlanTest, LoopingMusicRepeatsTheSongsUntilTheVideoEnds)
{
    addInstances({50, 75});
    addSongs({40, 30});
    model.settings.loopMusic = true;
    const AlbumPlan plan = planAlbum(model, workspace);
    // 40 + 30 + 40 + 30 = 140 < 225; a third pass reaches 210, a fourth 280.
    EXPECT_EQ(plan.audioFiles.size(), 8);
    EXPECT_EQ(plan.songs.last().musicRow, 1);
    EXPECT_EQ(plan.songs.last().startFrame, 250);
    EXPECT_TRUE(plan.truncateAudio);
}

TEST_F(AlbumPlanTest, LoopingSongsOfNoLengthPlayOnce)
{
    addSongs({0, 0});
    model.settings.loopMusic = true;
    EXPECT_EQ(planAlbum(model, workspace).audioFiles.size(), 2);
}

TEST_F(AlbumPlanTest, MusicLengthRuleFollowsTheSongs)
{
    addInstances({150, 120});
    addSongs({300, 200});
    chooseMusicLengthRule(model.settings);
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(plan.frameBudget, 500);
    EXPECT_EQ(folders(plan), (QStringList{"1", "2"}));
    EXPECT_EQ(limits(plan), (QList<int>{150, 120}));
    // The photos end early: the closing template follows them and holds its last frame.
    EXPECT_EQ(plan.closingStartFrame, 270);
    EXPECT_EQ(plan.audioFiles.size(), 2);
}

TEST_F(AlbumPlanTest, MusicLengthRuleWithLoopingPicturesCutsTheLastTemplate)
{
    addInstances({150, 120});
    addSongs({300, 200});
    chooseMusicLengthRule(model.settings);
    model.settings.loopPictures = true;
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(folders(plan), (QStringList{"1", "2", "1"}));
    EXPECT_EQ(limits(plan), (QList<int>{150, 120, 130}));
    EXPECT_EQ(plan.closingStartFrame, 400);
}

TEST_F(AlbumPlanTest, MusicLengthRuleCutsATemplateThatRunsIntoTheClosingFrames)
{
    addInstances({150, 120});
    addSongs({200});
    chooseMusicLengthRule(model.settings);
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(plan.frameBudget, 200);
    EXPECT_EQ(limits(plan), (QList<int>{100}));
    EXPECT_EQ(plan.closingStartFrame, 100);
}

TEST_F(AlbumPlanTest, ShortMusicStillLeavesTheClosingFrames)
{
    addInstances({150});
    addSongs({40});
    chooseMusicLengthRule(model.settings);
    const AlbumPlan plan = planAlbum(model, workspace);
    EXPECT_EQ(plan.frameBudget, 100);
    EXPECT_TRUE(plan.renderTemplates.isEmpty());
}

TEST_F(AlbumPlanTest, MusicLengthRuleWithoutMusicFallsBackToThePhotos)
{
    addInstances({150});
    chooseMusicLengthRule(model.settings);
    EXPECT_EQ(planAlbum(model, workspace).frameBudget, 250);
}

TEST(AlbumLengthOptions, ResetAndRules)
{
    AlbumModel model;
    chooseMusicLengthRule(model.settings);
    model.settings.loopMusic = model.settings.loopPictures = true;
    prepareAlbumLengthDialog(model);  // no music: everything back to the photo rule
    EXPECT_EQ(model.settings.syncMode, kw::syncPhotos);
    EXPECT_FALSE(model.settings.loopMusic);
    EXPECT_FALSE(model.settings.loopPictures);

    model.music.append(MusicRecord{});
    chooseMusicLengthRule(model.settings);
    model.settings.loopPictures = model.settings.loopMusic = true;
    prepareAlbumLengthDialog(model);  // with music the choices stay
    EXPECT_EQ(model.settings.syncMode, kw::syncMusic);
    choosePhotoLengthRule(model.settings);
    EXPECT_FALSE(model.settings.loopPictures);
    EXPECT_TRUE(model.settings.loopMusic);
}

}  // namespace
}  // namespace xc
