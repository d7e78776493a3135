#include "effects/text_effects.h"

#include "core/keywords.h"

#include <gtest/gtest.h>

namespace xc {
namespace {

QStringList texts(const TextEffectTable& effects)
{
    QStringList out;
    for (const TextEffectRecord& e : effects)
        out << e.text;
    return out;
}

TextEffectTable tableOf(const QStringList& names)
{
    TextEffectTable effects;
    for (const QString& name : names) {
        TextEffectDraft draft;
        draft.text = name;
        EXPECT_TRUE(addTextEffect(effects, draft).ok());
    }
    return effects;
}

TEST(TextEffects, AddWritesTheEditorsValues)
{
    TextEffectTable effects;
    TextEffectDraft draft;
    draft.minute = QStringLiteral("01  分");
    draft.second = QStringLiteral("05  秒");
    draft.motionName = QStringLiteral("从右上到左下");
    draft.colorName = QStringLiteral("clRed");
    draft.colorValue = QStringLiteral("255");
    draft.bold = true;
    draft.underline = true;
    ASSERT_TRUE(addTextEffect(effects, draft).ok());
    const TextEffectRecord& e = effects[0];
    EXPECT_EQ(e.text, QStringLiteral("此处输入文字"));
    EXPECT_EQ(e.startTime, QStringLiteral("01:05"));
    EXPECT_EQ(e.endTime, QStringLiteral("暂无"));
    EXPECT_EQ(e.state, kw::stopped);
    EXPECT_EQ(e.motionName, QStringLiteral("youshangdaozuoxia"));
    EXPECT_EQ(e.effectName, QStringLiteral("从右上到左下"));
    EXPECT_EQ(e.x, QStringLiteral("0"));
    EXPECT_EQ(e.fontName, QStringLiteral("黑体"));
    EXPECT_EQ(e.fontSize, QStringLiteral("10"));
    EXPECT_EQ(e.bold, QStringLiteral("cuti"));
    EXPECT_EQ(e.italic, QStringLiteral("0"));
    EXPECT_EQ(e.underline, QStringLiteral("xiahuaxian"));
    EXPECT_EQ(e.colorValue, QStringLiteral("255"));
    EXPECT_EQ(textEffectDisplayRow(e),
              (QStringList{"此处输入文字", "01:05", "从右上到左下", "clRed", "黑体", "10", "粗体", "无", "下划线"}));
}

TEST(TextEffects, AddChecksInOrderAndAddsNothingOnFailure)
{
    struct Case {
        void (*spoil)(TextEffectDraft&);
        const char* message;
    };
    const Case cases[] = {
        {[](TextEffectDraft& d) { d.text.clear(); d.fontName.clear(); }, "没有输入文字内容！"},
        {[](TextEffectDraft& d) { d.second.clear(); d.motionName.clear(); }, "(文字出现时间)不能为空！"},
        {[](TextEffectDraft& d) { d.motionName.clear(); d.fontName.clear(); }, "(文字特效)不能为空！"},
        {[](TextEffectDraft& d) { d.fontName.clear(); d.fontSize.clear(); }, "(文字字体)不能为空！"},
        {[](TextEffectDraft& d) { d.fontSize.clear(); }, "(文字大小)不能为空！"},
    };
    for (const Case& c : cases) {
        TextEffectTable effects = tableOf({"a"});
        TextEffectDraft draft;
        c.spoil(draft);
        const Status status = addTextEffect(effects, draft);
        EXPECT_EQ(status.error(), QString::fromUtf8(c.message));
        EXPECT_EQ(effects.count(), 1);
    }
}

TEST(TextEffects, EditorLists)
{
    EXPECT_EQ(minuteEntries().size(), 60);
    EXPECT_EQ(minuteEntries()[7], QStringLiteral("07  分"));
    EXPECT_EQ(secondEntries().last(), QStringLiteral("59  秒"));
    EXPECT_EQ(fontSizeEntries().size(), 31);
    EXPECT_EQ(fontSizeEntries().last(), QStringLiteral("40"));
}

TEST(TextEffects, DeleteRemovesEverySelectedRow)
{
    TextEffectTable effects = tableOf({"a", "b", "c", "d", "e"});
    EXPECT_EQ(deleteTextEffects(effects, {}).error(), QStringLiteral("没有选中已添加的特效！"));
    ASSERT_TRUE(deleteTextEffects(effects, {3, 0, 1}).ok());
    EXPECT_EQ(texts(effects), (QStringList{"c", "e"}));
    deleteAllTextEffects(effects);
    EXPECT_TRUE(effects.isEmpty());
}

TEST(TextEffects, DragMovesTheSelectedRowsKeepingTheirOrder)
{
    struct Case {
        QList<int> selected;
        int from, drop;
        QStringList order;
        QList<int> moved;
    };
    const Case cases[] = {
        {{1}, 1, 1, {"a", "b", "c", "d", "e"}, {1}},          // released where it began
        {{0, 1}, 0, 9, {"c", "d", "e", "a", "b"}, {3, 4}},    // beyond the last row
        {{0, 1}, 0, 4, {"c", "d", "a", "b", "e"}, {2, 3}},    // below: drop row − count
        {{3, 4}, 4, 1, {"a", "d", "e", "b", "c"}, {1, 2}},    // above: at the drop row
    };
    for (const Case& c : cases) {
        TextEffectTable effects = tableOf({"a", "b", "c", "d", "e"});
        EXPECT_EQ(moveTextEffects(effects, c.selected, c.from, c.drop), c.moved);
        EXPECT_EQ(texts(effects), c.order);
    }
    EXPECT_EQ(textEffectRowAt(22 + 100 + 17 * 3 + 5, 100), 3);
}

TEST(TextEffectPreviewTest, StartChecksAndSingleModePlaysOneRow)
{
    TextEffectPreview preview;
    TextEffectTable empty;
    EXPECT_EQ(preview.start(empty, TextEffectPreview::Mode::Full, {}, {}).error(), QStringLiteral("没有添加文字特效!"));

    TextEffectTable effects = tableOf({"a", "b"});
    EXPECT_EQ(preview.start(effects, TextEffectPreview::Mode::Single, {}, {}).error(),
              QStringLiteral("没有选中已添加的特效！"));
    ASSERT_TRUE(preview.start(effects, TextEffectPreview::Mode::Single, {1}, {{40, 20}, {40, 20}}).ok());
    EXPECT_TRUE(preview.tick());
    EXPECT_EQ(preview.clock(), QStringLiteral("00:00"));
    EXPECT_EQ(effects[0].state, kw::stopped);
    EXPECT_EQ(effects[1].state, kw::running);
    EXPECT_FALSE(preview.captions()[0].visible);
}

TEST(TextEffectPreviewTest, EndsByItselfOnceTheCaptionsHavePassed)
{
    TextEffectTable effects = tableOf({"a"});  // top-left to bottom-right, from 00:00
    TextEffectPreview preview;
    ASSERT_TRUE(preview.start(effects, TextEffectPreview::Mode::Full, {}, {{40, 20}}).ok());
    int ticks = 0;
    while (preview.tick() && ticks < 1000)
        ++ticks;
    // Moving down 2 pixels a frame, its top passes 289 on frame 155.
    EXPECT_EQ(ticks + 1, 155);
    EXPECT_FALSE(preview.running());
    EXPECT_EQ(preview.clock(), QStringLiteral("00:00"));
    EXPECT_EQ(effects[0].state, kw::stopped);
}

TEST(TextEffectPreviewTest, AnEffectDueLaterNeverStartsAndStopResetsEverything)
{
    TextEffectTable effects;
    TextEffectDraft draft;
    draft.second = QStringLiteral("30");
    ASSERT_TRUE(addTextEffect(effects, draft).ok());
    TextEffectPreview preview;
    ASSERT_TRUE(preview.start(effects, TextEffectPreview::Mode::Full, {}, {{40, 20}}).ok());
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(preview.tick());
    EXPECT_EQ(preview.clock(), QStringLiteral("00:04"));
    EXPECT_EQ(effects[0].state, kw::stopped);
    preview.stop();
    EXPECT_FALSE(preview.running());
    EXPECT_EQ(preview.counter(), 0);
    EXPECT_TRUE(preview.captions().isEmpty());
}

}  // namespace
}  // namespace xc
