#include "audio/lrc_writer.h"

#include "audio/lrc_reader.h"
#include "audio/song_time_key.h"
#include "tests/support/test_tree.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace xc;

namespace {

TimedLyricLine timed(const char* text, qint64 ms) { return TimedLyricLine{QString::fromUtf8(text), ms}; }
TimedLyricLine untimed(const char* text) { return TimedLyricLine{QString::fromUtf8(text), std::nullopt}; }

}  // namespace

TEST(LrcWriter, TimeTagsCutToHundredthsAndParseBack)
{
    const QList<std::pair<qint64, QString>> cases{
        {0, "00:00.00"}, {12345, "00:12.34"}, {59999, "00:59.99"}, {61005, "01:01.00"}, {6000000, "100:00.00"}, {-40, "00:00.00"}};
    for (const auto& [ms, tag] : cases) {
        EXPECT_EQ(lrcTimeTag(ms), tag) << ms;
        EXPECT_EQ(parseLrcTimeTag(tag), std::max<qint64>(ms, 0) / 10 * 10) << ms;
    }
    EXPECT_EQ(parseLrcTimeTag("1:05"), 65000);
    EXPECT_EQ(parseLrcTimeTag("00:05.5"), 5500);
    EXPECT_EQ(parseLrcTimeTag("00:05.125"), 5125);
    EXPECT_EQ(parseLrcTimeTag("00:05:50"), 5500);
    for (const char* bad : {"00:60.00", "ab:cd", "00:05.", "", "ti:x", "00-05"})
        EXPECT_EQ(parseLrcTimeTag(bad), std::nullopt) << bad;
}

TEST(LrcWriter, WrittenFileReadsBackWithTheStampedTimesInOrder)
{
    test::TestTree tree;
    LyricTimingSheet sheet;
    sheet.title = QStringLiteral("甜蜜蜜");
    sheet.tags = {LrcLine{"ar", "相册工坊"}};
    sheet.lines = {timed("晚风轻轻吹过河岸", 5230), timed("[副歌] 星星 [x]", 2990), timed("同一秒", 5990), untimed("未打点")};
    const QString path = tree.path("out.lrc");
    ASSERT_TRUE(writeLrcFile(path, sheet).ok());

    const QByteArray bytes = test::readFile(path);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(bytes), QStringLiteral("[ti:甜蜜蜜]\r\n[ar:相册工坊]\r\n[00:02.99]［副歌］ 星星 ［x］\r\n"
                                                       "[00:05.23]晚风轻轻吹过河岸\r\n[00:05.99]同一秒\r\n"));

    LrcTimedLines lines;
    ASSERT_TRUE(lines.parse(path).ok());
    EXPECT_EQ(lines.find(songTimeKeyOfMs(2990)), QStringLiteral("［副歌］ 星星 ［x］"));
    EXPECT_EQ(lines.find(songTimeKeyOfMs(5230)), QStringLiteral("晚风轻轻吹过河岸"));
    EXPECT_EQ(lines.find("ti"), QStringLiteral("甜蜜蜜"));

    // Opened again for timing, the same lines and times come back.
    const Result<LyricTimingSheet> again = readLyricsForTiming(path);
    ASSERT_TRUE(again.ok()) << again.error().toStdString();
    EXPECT_EQ(again.value().title, sheet.title);
    EXPECT_EQ(again.value().tags, sheet.tags);
    EXPECT_EQ(again.value().lines, (QList<TimedLyricLine>{timed("［副歌］ 星星 ［x］", 2990), timed("晚风轻轻吹过河岸", 5230),
                                                           timed("同一秒", 5990)}));
}

TEST(LrcWriter, AFileThatCannotBeWrittenIsNamedAndLeftAlone)
{
    test::TestTree tree;
    LyricTimingSheet sheet;
    sheet.lines = {timed("a", 1000)};
    const QString missingFolder = tree.path("no/such/folder/out.lrc");
    const Status status = writeLrcFile(missingFolder, sheet);
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.error().contains(missingFolder));

    // A folder in the way: nothing is written over it.
    tree.writeFile("taken/keep.txt", "x");
    EXPECT_FALSE(writeLrcFile(tree.path("taken"), sheet).ok());
    EXPECT_EQ(test::readFile(tree.path("taken/keep.txt")), QByteArray("x"));
}

TEST(LrcWriter, ReadsTextAndLrcForTiming)
{
    test::TestTree tree;
    const QString text = QStringLiteral("第一行\r\n\r\n   \n  第二行  \n[Chorus] 合唱\n");
    tree.writeFile("gbk.txt", QStringEncoder("GB18030").encode(text));
    const Result<LyricTimingSheet> fromText = readLyricsForTiming(tree.path("gbk.txt"));
    ASSERT_TRUE(fromText.ok()) << fromText.error().toStdString();
    EXPECT_EQ(fromText.value().lines, (QList<TimedLyricLine>{untimed("第一行"), untimed("第二行"), untimed("[Chorus] 合唱")}));

    const QStringList lrc{"[ti: 歌名 ]", "[offset:200]", "[00:20.00][00:05.00]副歌", "[00:10.5]中间", "[00:12.00]", "[la:x]"};
    const Result<LyricTimingSheet> sheet = sheetFromLrc(lrc);
    ASSERT_TRUE(sheet.ok());
    EXPECT_EQ(sheet.value().title, QStringLiteral("歌名"));
    EXPECT_EQ(sheet.value().tags, (QList<LrcLine>{{"offset", "200"}, {"la", "x"}}));
    EXPECT_EQ(sheet.value().lines, (QList<TimedLyricLine>{timed("副歌", 5000), timed("中间", 10500), timed("", 12000), timed("副歌", 20000)}));

    // Partly timed lyrics keep the order they are sung in.
    const Result<LyricTimingSheet> partly = sheetFromLrc({"[00:09.00]一", "二", "[00:03.00]三"});
    ASSERT_TRUE(partly.ok());
    EXPECT_EQ(partly.value().lines, (QList<TimedLyricLine>{timed("一", 9000), untimed("二"), timed("三", 3000)}));
}

TEST(LrcWriter, BadLyricsFilesAreNamedWithTheReason)
{
    test::TestTree tree;
    tree.writeFile("bad.lrc", "[00:01.00]ok\n[00:7x.00]broken\n");
    tree.writeFile("empty.txt", "\n  \n");
    tree.writeFile("tags.lrc", "[ti:only tags]\n[ar:x]\n");
    tree.writeFile("binary.txt", QByteArray("ID3\x03\x00\x00\x00\x00\xff\xfb", 10));
    const QList<std::pair<QString, QString>> cases{
        {"bad.lrc", "第2行"}, {"empty.txt", "没有歌词行"}, {"tags.lrc", "没有歌词行"}, {"binary.txt", "不是文本文件"}, {"missing.txt", "无法读取"}};
    for (const auto& [name, reason] : cases) {
        const Result<LyricTimingSheet> read = readLyricsForTiming(tree.path(name));
        ASSERT_FALSE(read.ok()) << name.toStdString();
        EXPECT_TRUE(read.error().contains(tree.path(name))) << read.error().toStdString();
        EXPECT_TRUE(read.error().contains(reason)) << read.error().toStdString();
    }
}
