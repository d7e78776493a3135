#include "audio/ksc_reader.h"
#include "tests/support/test_tree.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace xc;

namespace {

QStringList groupTextsOf(const KaraokeLine& line)
{
    QStringList texts;
    for (const KaraokeGroup& group : line.groups)
        texts << group.text;
    return texts;
}

QList<int> groupFramesOf(const KaraokeLine& line)
{
    QList<int> frames;
    for (const KaraokeGroup& group : line.groups)
        frames << group.frames;
    return frames;
}

}  // namespace

TEST(KscReader, ConvertsMillisecondsToFramesInExtendedPrecision)
{
    const QList<std::pair<int, int>> cases{{10, 0},  {20, 0},   {21, 1},   {60, 2},    {100, 2},   {140, 4},
                                           {180, 5}, {500, 12}, {660, 17}, {980, 25}, {1000, 25}, {1500, 38}};
    for (const auto& [ms, frames] : cases)
        EXPECT_EQ(karaokeFramesOfMs(ms), frames) << ms << " ms";
}

TEST(KscReader, ReadsTheWorkedStatement)
{
    const QList<KaraokeLine> lines = parseKaraokeScript({
        "karaoke := CreateKaraokeObject;",
        "karaoke.rows := 2;",
        "karaoke.songname := '甜蜜蜜';",
        "karaoke.add('00:12.500', '00:15.000', '我爱[you]', '500,500,1500');",
        "karaoke.add('00:15.000', '00:17.000', '[Pretty][woman]', '440,810',RGB(255,0,0));",
    });
    ASSERT_EQ(lines.size(), 2);
    const KaraokeLine& first = lines.at(0);
    EXPECT_EQ(first.start, "00:12.500");
    EXPECT_EQ(first.end, "00:15.000");
    EXPECT_EQ(first.text, "我爱[you]");
    EXPECT_EQ(first.timing, "500,500,1500");
    EXPECT_EQ(groupTextsOf(first), (QStringList{"我", "爱", "you"}));
    EXPECT_EQ(groupFramesOf(first), (QList<int>{12, 12, 38}));
    EXPECT_EQ(first.timingFrames, (QList<int>{12, 12, 38}));
    EXPECT_EQ(first.appearKey, "00:11");
    EXPECT_EQ(first.scrollKey, "00:12");
    EXPECT_EQ(first.hideKey, "00:16");
    EXPECT_EQ(first.slot, "A");

    // The fifth argument (a colour) is ignored.
    const KaraokeLine& second = lines.at(1);
    EXPECT_EQ(second.slot, "B");
    EXPECT_EQ(groupTextsOf(second), (QStringList{"Pretty", "woman"}));
    EXPECT_EQ(second.timing, "440,810");
}

TEST(KscReader, SkipsWhatIsNotAWellFormedStatement)
{
    const QList<KaraokeLine> lines = parseKaraokeScript({
        "  karaoke.add('00:01.000', '00:02.000', 'indented', '100');",
        "karaoke.add('00:01.000', '00:02.000', 'three fields only');",
        "karaoke.add('0:01.00', '00:02.000', 'short minutes', '100');",
        "Karaoke.add('00:01.000', '00:02.000', 'capital', '100');",
        "// karaoke.add('00:01.000', '00:02.000', 'comment', '100');",
        "karaoke.add('00:00.300', '00:02.000', '早', '100');",
        "karaoke.add('61:01.000', '62:00.000', '晚', '');",
    });
    ASSERT_EQ(lines.size(), 2);
    // A line starting within the first second has an appear key no clock reaches.
    EXPECT_EQ(lines.at(0).appearKey, "00:0-1");
    EXPECT_EQ(lines.at(0).slot, "A");
    EXPECT_EQ(lines.at(1).slot, "B");
    // 61 minutes wrap to 01; an empty timing is one entry of 0 frames.
    EXPECT_EQ(lines.at(1).appearKey, "01:00");
    EXPECT_EQ(lines.at(1).timingFrames, QList<int>{0});
}

TEST(KscReader, SplitsGroupsWithUnpairedBrackets)
{
    const QList<std::pair<QString, QStringList>> cases{
        {"我想[你 ]身", {"我", "想", "你 ", "身"}},
        {"a]b", {"a", "b"}},
        {"x[ab", {"x", "ab"}},
        {"[a[b]c", {"a", "b", "c"}},
        {"[]", {""}},
        {QString::fromUtf8("\xF0\xA0\x80\x80") + "字", {QString::fromUtf8("\xF0\xA0\x80\x80"), "字"}},
    };
    for (const auto& [text, groups] : cases)
        EXPECT_EQ(karaokeGroupTexts(text), groups) << text.toStdString();
}

TEST(KscReader, ReadsGb18030AndUtf8ScriptsAlike)
{
    const QString script = QStringLiteral("karaoke.add('00:05.000', '00:10.000', '晚风轻轻[吹过]', '625,313,312,625,1250');\r\n");
    xc::test::TestTree tree;
    tree.writeFile("utf8.ksc", script.toUtf8());
    tree.writeFile("gbk.ksc", QStringEncoder("GB18030").encode(script));
    const Result<QList<KaraokeLine>> utf8 = readKaraokeScript(tree.path("utf8.ksc"));
    const Result<QList<KaraokeLine>> gbk = readKaraokeScript(tree.path("gbk.ksc"));
    ASSERT_TRUE(utf8.ok());
    ASSERT_TRUE(gbk.ok());
    ASSERT_EQ(utf8.value().size(), 1);
    EXPECT_EQ(groupTextsOf(gbk.value().at(0)), (QStringList{"晚", "风", "轻", "轻", "吹过"}));
    EXPECT_EQ(groupTextsOf(gbk.value().at(0)), groupTextsOf(utf8.value().at(0)));
    EXPECT_FALSE(readKaraokeScript(tree.path("missing.ksc")).ok());
}
