#include "ui/photos/photo_workflow.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/photos/refill_windows.h"

#include <QFile>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

// Answers the refill windows as a test script says.
class ScriptedRefill : public RefillWindows {
public:
    RefillChoice choice = RefillChoice::Cancel;
    qsizetype candidate = -1;  // −1: cancel the manual window
    int asked = 0;

    RefillChoice askRefill(QWidget*) override
    {
        ++asked;
        return choice;
    }
    bool refillByHand(QWidget*, const ListViewRows& candidates, Dialogs&, const RefillActions& actions) override
    {
        if (candidate < 0 || candidate >= candidates.size())
            return false;
        return actions.withAlbumPhoto(candidate).ok();
    }
};

// The photo commands over a five-photo album (groups 1, 2 (two photos), 3, 4).
struct Workflow {
    Workflow() : workflow(album.model, album.tree.workspace(), dialogs, *random, &window)
    {
        workflow.setRefillWindows(refill);
    }

    test::FiveLandscapeAlbum album;
    test::RecordingDialogs dialogs;
    ScriptedRefill refill;
    std::unique_ptr<RandomSource> random = seededRandomSource(3);
    QWidget window;
    PhotoWorkflow workflow;
};

TEST(PhotoWorkflow, ARefusedPhotoIsNamedAndTheAlbumStaysAsItWas)
{
    Workflow w;
    QTemporaryDir folder;
    const QString bad = folder.filePath(QStringLiteral("bad.jpg"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no photo");
    file.close();
    const QString good = test::writePhoto(folder.path(), QStringLiteral("good.jpg"), {400, 300});
    const QStringList rows = test::rowValues(w.album.model.photos);
    const auto files = test::snapshot(w.album.tree.path(QStringLiteral("smxcwjj")));
    QSignalSpy changed(&w.workflow, &PhotoWorkflow::photosChanged);

    w.workflow.addPhotos({good, bad});

    ASSERT_EQ(w.dialogs.messages.size(), 1);
    EXPECT_TRUE(w.dialogs.messages[0].contains(QStringLiteral("bad.jpg"))) << w.dialogs.messages[0].toStdString();
    EXPECT_EQ(test::rowValues(w.album.model.photos), rows);
    EXPECT_EQ(w.album.model.settings.templateCounter, QStringLiteral("4"));
    EXPECT_EQ(test::snapshot(w.album.tree.path(QStringLiteral("smxcwjj"))), files);
    EXPECT_EQ(changed.size(), 0);
}

TEST(PhotoWorkflow, AddedPhotosJoinTheAlbumInTileView)
{
    Workflow w;
    QTemporaryDir folder;
    w.album.model.settings.boardView = kw::boardList;
    w.dialogs.photoFiles = {test::writePhoto(folder.path(), QStringLiteral("a.jpg"), {300, 400}),
                            test::writePhoto(folder.path(), QStringLiteral("b.jpg"), {400, 300})};
    QSignalSpy changed(&w.workflow, &PhotoWorkflow::photosChanged);

    w.workflow.addPhotos();  // through the open dialog

    EXPECT_EQ(w.dialogs.photoDialogsOpened, 1);
    EXPECT_TRUE(w.dialogs.messages.isEmpty()) << w.dialogs.messages.join(' ').toStdString();
    EXPECT_EQ(w.album.model.photos.count(), 7);
    EXPECT_EQ(test::column(w.album.model.photos, &PhotoRecord::seq).last(), QStringLiteral("7"));
    EXPECT_EQ(w.album.model.settings.boardView, kw::boardIcons);
    EXPECT_EQ(changed.size(), 1);
}

TEST(PhotoWorkflow, DeletingAsksFirstAndNeedsASelection)
{
    Workflow w;
    const QStringList rows = test::rowValues(w.album.model.photos);
    w.workflow.deletePhoto(-1);
    EXPECT_EQ(w.dialogs.messages, QStringList{QStringLiteral("没有选中相片文件！")});

    w.dialogs.confirmAnswer = false;
    w.workflow.deletePhoto(0);
    EXPECT_EQ(w.dialogs.confirmations, QStringList{QStringLiteral("确定删除此张相片吗？")});
    EXPECT_EQ(test::rowValues(w.album.model.photos), rows);

    w.dialogs.confirmAnswer = true;
    QSignalSpy changed(&w.workflow, &PhotoWorkflow::photosChanged);
    w.workflow.deletePhoto(0);  // L1 has group 1 to itself
    EXPECT_EQ(w.album.model.photos.count(), 4);
    EXPECT_EQ(w.album.model.settings.templateCounter, QStringLiteral("3"));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(w.refill.asked, 0);
}

TEST(PhotoWorkflow, APhotoSharingATemplateIsDeletedOnlyAfterARefill)
{
    Workflow w;
    const QStringList rows = test::rowValues(w.album.model.photos);
    w.refill.choice = RefillChoice::Cancel;
    w.workflow.deletePhoto(1);  // L2 shares group 2 with L3
    EXPECT_EQ(w.refill.asked, 1);
    EXPECT_EQ(test::rowValues(w.album.model.photos), rows);

    w.refill.choice = RefillChoice::Manual;
    w.refill.candidate = -1;  // the manual window cancelled
    w.workflow.deletePhoto(1);
    EXPECT_EQ(test::rowValues(w.album.model.photos), rows);

    w.refill.candidate = 4;  // L5 fills the slot
    QSignalSpy changed(&w.workflow, &PhotoWorkflow::photosChanged);
    w.workflow.deletePhoto(1);
    EXPECT_EQ(test::column(w.album.model.photos, &PhotoRecord::path),
              (QStringList{w.album.paths[0], w.album.paths[2], w.album.paths[3], w.album.paths[4]}));
    EXPECT_EQ(w.album.model.settings.templateCounter, QStringLiteral("4"));
    EXPECT_EQ(changed.size(), 1);
}

TEST(PhotoWorkflow, DeleteAllEmptiesTheAlbum)
{
    Workflow w;
    w.workflow.deleteAllPhotos();
    EXPECT_EQ(w.dialogs.confirmations, QStringList{QStringLiteral("确定删除全部相片吗？")});
    EXPECT_TRUE(w.album.model.photos.isEmpty());
    EXPECT_EQ(w.album.model.settings.templateCounter, QStringLiteral("0"));
    EXPECT_TRUE(QDir(w.album.tree.path(QStringLiteral("smxcwjj/tp_wj/tp_slt_1"))).isEmpty());
}

}  // namespace
}  // namespace xc::ui
