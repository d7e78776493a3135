#include "ui/tools/picture_effects_window.h"

#include "core/album_model.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

struct PictureEffectsFixture {
    PictureEffectsFixture()
    {
        QImage star(60, 60, QImage::Format_ARGB32);
        star.fill(QColor(255, 200, 0));
        star.save(picture);
    }
    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    QString picture = tree.path(QStringLiteral("star.png"));
    AlbumModel model;
    test::RecordingDialogs dialogs;
};

TEST(PictureEffectsWindow, AddsChangesDragsAndKeepsRowsOnlyWithOk)
{
    PictureEffectsFixture f;
    PictureEffectsWindow window(f.model, f.tree.workspace(), f.dialogs);
    window.addEffect();
    EXPECT_EQ(f.dialogs.messages.last(), QStringLiteral("没有选择特效图片！"));

    f.dialogs.files = {f.picture};
    window.choosePicture();
    PictureEffectDraft draft = window.draft();
    draft.box = QRect(300, 150, 300, 300);
    draft.startSeconds = 2;
    window.setDraft(draft);
    window.addEffect();
    ASSERT_EQ(window.rows().count(), 1);
    EXPECT_EQ(window.effectList()->topLevelItem(0)->text(4), QStringLiteral("300,150  300×300"));

    draft.opacity = 40;
    window.setDraft(draft);
    window.changeSelected();
    EXPECT_EQ(window.rows()[0].opacity, QStringLiteral("40"));
    EXPECT_EQ(window.rows()[0].order, QStringLiteral("1"));

    // Dragged in the preview (a third of the album's size) by 30, 20: the box moves 90, 60.
    QWidget* stage = nullptr;
    for (QWidget* child : window.body()->findChildren<QWidget*>())
        if (child->size() == QSize(640, 360))
            stage = child;
    ASSERT_NE(stage, nullptr);
    const QPoint inside(150, 100);  // the picture covers 100 … 200 of the preview
    QTest::mousePress(stage, Qt::LeftButton, {}, inside);
    QTest::mouseMove(stage, inside + QPoint(30, 20));
    QTest::mouseRelease(stage, Qt::LeftButton, {}, inside + QPoint(30, 20));
    EXPECT_EQ(window.rows()[0].left, QStringLiteral("390"));
    EXPECT_EQ(window.rows()[0].top, QStringLiteral("210"));

    window.reject();
    EXPECT_TRUE(f.model.pictureEffects.isEmpty());
    window.accept();
    ASSERT_EQ(f.model.pictureEffects.count(), 1);
    EXPECT_EQ(f.model.pictureEffects[0].path, f.picture);
}

TEST(PictureEffectsWindow, PreviewShowsEachPictureInItsTimeAndDeletesKeepTheOrder)
{
    PictureEffectsFixture f;
    ASSERT_TRUE(addPictureEffect(f.model.pictureEffects, {f.picture, 0, 0.4, QRect(0, 0, 90, 90), 100}).ok());
    ASSERT_TRUE(addPictureEffect(f.model.pictureEffects, {f.picture, 1, 1, QRect(900, 0, 90, 90), 100}).ok());
    PictureEffectsWindow window(f.model, f.tree.workspace(), f.dialogs);
    ASSERT_EQ(window.effectList()->topLevelItemCount(), 2);
    window.playPreview();
    EXPECT_EQ(window.previewFrame(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(window.previewFrame(), -1, 5000);  // played to the last one's end and stopped

    window.effectList()->setCurrentItem(window.effectList()->topLevelItem(0));
    window.deleteSelected();
    ASSERT_EQ(window.rows().count(), 1);
    EXPECT_EQ(window.rows()[0].order, QStringLiteral("1"));
    EXPECT_EQ(window.rows()[0].left, QStringLiteral("900"));
}

}  // namespace
}  // namespace xc::ui
