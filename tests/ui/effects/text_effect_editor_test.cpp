#include "ui/effects/text_effect_editor.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

struct Editor {
    Editor() : editor(model, tree.workspace(), dialogs) {}

    void select(std::initializer_list<int> rows)
    {
        editor.effectList()->clearSelection();
        for (int row : rows)
            editor.effectList()->topLevelItem(row)->setSelected(true);
    }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
    test::RecordingDialogs dialogs;
    TextEffectEditor editor;
};

TEST(TextEffectEditor, AddsWithItsChecksAndHandsTheRowsToTheAlbumOnLeaving)
{
    Editor e;
    e.editor.textField()->clear();
    e.editor.addEffect();
    EXPECT_EQ(e.dialogs.messages, QStringList{QStringLiteral("没有输入文字内容！")});
    EXPECT_TRUE(e.editor.effects().isEmpty());

    for (const char* text : {"新婚快乐", "百年好合", "永结同心"}) {
        e.editor.textField()->setText(QString::fromUtf8(text));
        e.editor.addEffect();
    }
    ASSERT_EQ(e.editor.effectList()->topLevelItemCount(), 3);
    EXPECT_EQ(e.editor.effectList()->topLevelItem(0)->text(0), QStringLiteral("新婚快乐"));
    EXPECT_EQ(e.editor.effects()[0].startTime, QStringLiteral("00:00"));
    EXPECT_EQ(e.editor.effects()[0].colorName, QStringLiteral("clWhite"));

    e.select({0, 2});
    e.editor.deleteSelected();
    ASSERT_EQ(e.editor.effects().count(), 1);
    EXPECT_EQ(e.editor.effects()[0].text, QStringLiteral("百年好合"));
    EXPECT_TRUE(e.model.textEffects.isEmpty());  // not before leaving
    e.editor.accept();
    ASSERT_EQ(e.model.textEffects.count(), 1);
    EXPECT_EQ(e.model.textEffects[0].text, QStringLiteral("百年好合"));
}

TEST(TextEffectEditor, PreviewMovesTheCaptionsUntilStopped)
{
    Editor e;
    e.dialogs.messages.clear();
    e.editor.previewAll();
    EXPECT_EQ(e.dialogs.messages, QStringList{QStringLiteral("没有添加文字特效!")});

    e.editor.addEffect();  // the default caption, starting at 00:00
    e.editor.show();
    e.editor.previewAll();
    ASSERT_TRUE(e.editor.preview().running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return e.editor.preview().counter() >= 5; }, 3000));
    const CaptionBox moving = e.editor.preview().captions().first();
    EXPECT_TRUE(moving.visible);
    EXPECT_EQ(e.editor.effects()[0].state, kw::running);
    e.editor.stopPreview();
    EXPECT_FALSE(e.editor.preview().running());
    EXPECT_EQ(e.editor.effects()[0].state, kw::stopped);
    EXPECT_TRUE(e.editor.effectList()->isEnabled());
}

}  // namespace
}  // namespace xc::ui
