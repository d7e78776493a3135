#include "ui/tools/template_manager_window.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "photos/template_change.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/photos/sample_album.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/shell/command_map.h"
#include "ui/tools/tool_windows.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

QPushButton* button(const QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

// Opened on L2, the window shows its group's template playing, then gives the group the
// side-by-side template chosen among the several-photo templates.
TEST(TemplateManager, OpensOnThePhotosGroupAndChangesItsTemplate)
{
    test::SampleAlbum album;
    const auto thumbnails = album.thumbnailsByPhoto();
    test::RecordingDialogs dialogs;
    test::ScriptedRandom random({});
    TemplateManagerWindow window(album.model, album.tree.workspace(), dialogs, random, 1);
    window.show();

    EXPECT_EQ(window.classTitles(), (QStringList{"横照", "竖照", "单张", "多张", "全屏", "高级"}));
    ASSERT_NE(window.chosenTemplate(), nullptr);
    EXPECT_EQ(window.chosenTemplate()->index, album.named("13_heng2_staggered").index);
    // The real movie plays with the group's photos, frame after frame.
    QTRY_VERIFY_WITH_TIMEOUT(window.preview()->frame() > 10, 5000);
    EXPECT_FALSE(window.preview()->picture().isNull());

    ASSERT_TRUE(window.chooseTemplate("多张", album.named("14_heng2_side_by_side").index));
    QTest::mouseClick(button(window, "Button_genghuan_moban"), Qt::LeftButton);

    EXPECT_TRUE(window.changed());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_TRUE(dialogs.confirmations.isEmpty()) << "the same number of photos needs no question";
    EXPECT_EQ(album.model.photos[0].templateIndex, album.named("14_heng2_side_by_side").index);
    EXPECT_EQ(album.model.photos[1].templateIndex, album.named("14_heng2_side_by_side").index);
    test::expectConsistentAlbum(album.model, album.tree, thumbnails);

    // Every template gets its still picture, one after another, while the window stays usable.
    QTRY_COMPARE_WITH_TIMEOUT(window.postersReady(), int(album.model.catalogue.count()), 20000);
}

// A template the group cannot take is refused with the core's message and nothing changes;
// photos picked by hand, in order, form a group of the chosen template.
TEST(TemplateManager, RefusesWhatCannotBeAndFormsAGroupOfPickedPhotos)
{
    test::SampleAlbum album;
    const auto thumbnails = album.thumbnailsByPhoto();
    const QStringList before = test::rowValues(album.model.photos);
    test::RecordingDialogs dialogs;
    test::ScriptedRandom random({});
    TemplateManagerWindow window(album.model, album.tree.workspace(), dialogs, random, 2);

    ASSERT_TRUE(window.chooseTemplate("多张", album.named("17_heng3_gallery").index));
    EXPECT_FALSE(window.applyChosenTemplate());
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("需要3张相片")) << dialogs.messages[0].toStdString();
    EXPECT_EQ(test::rowValues(album.model.photos), before);
    EXPECT_FALSE(window.changed());

    ASSERT_TRUE(window.chooseTemplate("高级", album.named("20_mixed_heng_shu").index));
    PhotoPickerDialog picker(album.model, album.tree.workspace(), *window.chosenTemplate(), &window);
    QPushButton* ok = nullptr;
    for (QPushButton* b : picker.findChildren<QPushButton*>())
        ok = b->text() == "确定" ? b : ok;
    ASSERT_NE(ok, nullptr);
    picker.toggle(5);
    EXPECT_FALSE(ok->isEnabled());
    picker.toggle(2);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(picker.picked(), (QList<qsizetype>{5, 2}));
    ASSERT_TRUE(window.pickPhotos(picker.picked()));

    // L3 (landscape slot 1) and P3 (portrait slot 2) form the group; P3's and L3's old groups had
    // only them, so nothing else is drawn again.
    EXPECT_EQ(test::column(album.model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "1", "2", "3", "3", "2", "4"}));
    EXPECT_EQ(album.model.photos[2].slotName, "picture_1");
    EXPECT_EQ(album.model.photos[5].slotName, "picture_2");
    EXPECT_EQ(window.currentRow(), 5);
    EXPECT_TRUE(window.changed());
    test::expectConsistentAlbum(album.model, album.tree, thumbnails);
}

// The seam opens the window only on an album with photos.
TEST(TemplateManager, NeedsPhotos)
{
    AlbumModel model;
    test::TestTree tree;
    test::RecordingDialogs dialogs;
    test::ScriptedRandom random({});
    const ToolContext context{nullptr, model, tree.workspace(), dialogs, random, -1};
    EXPECT_FALSE(ToolWindows().templateManager(context));
    EXPECT_EQ(dialogs.messages, QStringList{noPhotosNotice});
}

}  // namespace
}  // namespace xc::ui
