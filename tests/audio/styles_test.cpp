#include "audio/karaoke_rows.h"
#include "audio/karaoke_style.h"
#include "audio/lyric_styles.h"
#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "tests/support/test_tree.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace xc;

namespace {

LyricsRecord defaultLyricsRow()
{
    LyricsRecord row;
    applyDefaultLyricStyle(row);
    return row;
}

}  // namespace

TEST(LyricStyles, ApplyLrcStyleScalesToThePanel)
{
    const LyricsRecord row = defaultLyricsRow();
    EXPECT_EQ(lrcPointSize(row, 1920), 37);
    EXPECT_EQ(lrcPointSize(row, 679), 13);

    const LrcLabel label = applyLrcStyle(row, "晚风轻轻吹过河岸", QSize(1920, 1080));
    EXPECT_EQ(label.font.pixelSize(), pointsToPixels(37));
    EXPECT_TRUE(label.font.bold());
    EXPECT_FALSE(label.font.italic());
    EXPECT_EQ(label.colour, QColor(Qt::white));
    EXPECT_EQ(QFontInfo(label.font).family(), "Noto Sans CJK SC");
    const QFontMetrics metrics(label.font);
    EXPECT_EQ(label.geometry.width(), metrics.horizontalAdvance("晚风轻轻吹过河岸"));
    EXPECT_EQ(label.geometry.left(), (1920 - label.geometry.width()) / 2);
    EXPECT_EQ(label.geometry.bottom() + 1, 1080 - 10);
}

TEST(LyricStyles, PlacementsAndUnknownValues)
{
    LyricsRecord row = defaultLyricsRow();
    const QSize label(100, 40), panel(679, 390);
    const QPoint previous(7, 9);
    const QList<std::tuple<QString, QString, QPoint>> cases{
        {"zuobian", "shangmian", {10, 10}},
        {"juzhong", "zhongjian", {289, 175}},
        {"youbian", "xiamian", {569, 340}},
        {"elsewhere", "xiamian", {7, 340}},
        {"zuobian", "", {10, 9}},
    };
    for (const auto& [h, v, expected] : cases) {
        row.hAlign = h;
        row.vAlign = v;
        EXPECT_EQ(lrcLabelPosition(row, label, panel, previous), expected) << h.toStdString() << v.toStdString();
    }
    row.bold = "wu";
    row.italic = "xieti";
    row.underline = "xiahuaxian";
    row.colorValue = "16711680";
    const LrcLabel styled = applyLrcStyle(row, "x", panel);
    EXPECT_FALSE(styled.font.bold());
    EXPECT_TRUE(styled.font.italic());
    EXPECT_TRUE(styled.font.underline());
    EXPECT_EQ(styled.colour, QColor(0, 0, 255));
}

TEST(KaraokeStyle, GeometryOnTheVideoAndOnThePreview)
{
    KaraokeStyleRecord row;
    applyDefaultKaraokeStyle(row);
    EXPECT_EQ((QStringList{row.colorName, row.highlightColorName, row.fontName, row.fontSize, row.bold, row.italic,
                           row.underline, row.colorValue, row.highlightColorValue, row.script}),
              (QStringList{"clWhite", "clBlue", "黑体", "25", "T", "F", "F", "16777215", "16711680", "jianti"}));

    const KaraokeStyle video = karaokeStyleFor(row, QSize(1920, 1080));
    EXPECT_EQ(video.displayFont.pixelSize(), pointsToPixels(60));
    EXPECT_TRUE(video.displayFont.bold());
    EXPECT_EQ(video.lineA, QPoint(180, 811));
    EXPECT_EQ(video.lineBTop, 931);
    EXPECT_EQ(video.lyricColour, QColor(Qt::white));
    EXPECT_EQ(video.highlightColour, QColor(0, 0, 255));
    // Widths are measured in the plain measuring face whatever the style says.
    EXPECT_FALSE(video.measuringFont.bold());
    EXPECT_EQ(video.measuringFont.pixelSize(), video.displayFont.pixelSize());
    EXPECT_EQ(QFontInfo(video.measuringFont).family(), "Noto Sans CJK SC");

    row.script = "fanti";
    row.fontSize = "30";
    const KaraokeStyle preview = karaokeStyleFor(row, QSize(800, 450));
    EXPECT_EQ(preview.displayFont.pixelSize(), pointsToPixels(30));
    EXPECT_EQ(preview.lineA, QPoint(75, 338));
    EXPECT_EQ(preview.lineBTop, 388);
    EXPECT_EQ(preview.script, ChineseScript::Traditional);
}

TEST(ColourNames, OneTableForNamesAndNumbers)
{
    EXPECT_EQ(colourValueOfName("clWhite"), 16777215u);
    EXPECT_EQ(colourValueOfName("clBlue"), 16711680u);
    EXPECT_EQ(colourValueOfName("clRed"), 255u);
    EXPECT_EQ(colourValueOfName("clPink"), std::nullopt);
    EXPECT_EQ(colourNameOfValue(65535), "clYellow");
    EXPECT_EQ(colourFromValue(255), QColor(255, 0, 0));
    EXPECT_EQ(colourValueOf(QColor(0, 0, 255)), 16711680u);
    EXPECT_EQ(colourFromValueText("not a number", Qt::green), QColor(Qt::green));
    EXPECT_EQ(namedColours().size(), 20u);
}

TEST(FontMapping, DesktopFacesResolveToInstalledCjkFaces)
{
    EXPECT_EQ(installedFontFamily("黑体"), "Noto Sans CJK SC");
    EXPECT_EQ(installedFontFamily("微软雅黑"), "Noto Sans CJK SC");
    EXPECT_EQ(installedFontFamily("宋体"), "Noto Serif CJK SC");
    EXPECT_EQ(installedFontFamily("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(QFontInfo(albumFont("宋体", 12)).family(), "Noto Serif CJK SC");
    EXPECT_EQ(pointsToPixels(10), 13);
    EXPECT_EQ(pointsToPixels(37), 49);
}

TEST(KaraokeRows, ImportDeleteAndRenumber)
{
    xc::test::TestTree tree;
    tree.writeFile("一.ksc", "");
    tree.writeFile("二.ksc", "");
    AlbumModel model;
    ASSERT_TRUE(importKaraokeScripts(model, {tree.path("一.ksc"), tree.path("二.ksc")}).ok());
    ASSERT_EQ(model.karaoke.count(), 2);
    EXPECT_EQ(model.karaoke[1].seq, "2");
    EXPECT_EQ(model.karaoke[1].name, "二");
    EXPECT_EQ(model.karaoke[1].path, tree.path("二.ksc"));
    EXPECT_EQ(karaokeManagerRows(model)[0],
              (QStringList{"1", "一", "clWhite", "clBlue", "黑体", "25", "使用", "无", "无", tree.path("一.ksc"), "简体"}));

    EXPECT_FALSE(importKaraokeScripts(model, {tree.path("一.ksc"), tree.path("missing.ksc")}).ok());
    EXPECT_EQ(model.karaoke.count(), 2);

    EXPECT_EQ(deleteKaraokeRows(model, {0}), "卡拉OK歌词已经删除！");
    ASSERT_EQ(model.karaoke.count(), 1);
    EXPECT_EQ(model.karaoke[0].seq, "1");
    EXPECT_EQ(model.karaoke[0].name, "二");

    ASSERT_TRUE(importKaraokeScripts(model, {tree.path("一.ksc"), tree.path("一.ksc")}).ok());
    deleteKaraokeRows(model, {2, 0});
    ASSERT_EQ(model.karaoke.count(), 1);
    EXPECT_EQ(model.karaoke[0].seq, "1");
    EXPECT_EQ(deleteAllKaraokeRows(model), "导入的卡拉OK歌词已全部删除！");
    EXPECT_TRUE(model.karaoke.isEmpty());
}
