#include "audio/lrc_reader.h"
#include "audio/lyrics_text_decoding.h"
#include "audio/song_time_key.h"
#include "tests/support/test_tree.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace xc;

namespace {

const LrcLine leading{"00:00", ""};

QList<LrcLine> withLeading(QList<LrcLine> rows)
{
    rows.prepend(leading);
    return rows;
}

}  // namespace

struct LrcCase {
    const char* name;
    QStringList lines;
    QList<LrcLine> rows;  // after the leading row
};

TEST(LrcReader, BuildsTheTimedLineTable)
{
    const QList<LrcCase> cases{
        {"one tag", {"[00:12.34]Hello"}, {{"00:12.34", "Hello"}}},
        {"adjacent tags right to left", {"[00:01.00][00:30.00]Hi"}, {{"00:30.00", "Hi"}, {"00:01.00", "Hi"}}},
        {"tags with their own text", {"[00:01]one[00:05]two"}, {{"00:05", "two"}, {"00:01", "one"}}},
        {"file order kept, nothing sorted", {"[00:09.00]late", "[00:02.00]early"}, {{"00:09.00", "late"}, {"00:02.00", "early"}}},
        {"Chinese text by characters", {"[00:03.00]我爱你"}, {{"00:03.00", "我爱你"}}},
        {"ID tags after the time tags", {"[ar:Someone]", "[00:01.00]x", "[ti: Song]"},
         {{"00:01.00", "x"}, {"ar", "Someone"}, {"ti", " Song"}}},
        {"ID tag with text keeps only the tag", {"[ti:Song]other text", "[00:02.00]y"}, {{"00:02.00", "y"}, {"ti", "Song"}}},
        {"time tag alone and offset dropped", {"[00:05.00]", "[offset:500]", "[00:06.00]z"}, {{"00:06.00", "z"}}},
        {"unknown tag with text becomes a key", {"[la:x]Hello"}, {{"la:x", "Hello"}}},
        {"lyric ending with ] dropped", {"[00:07.00]a [b]"}, {}},
        {"[ without ] is lyric text", {"[00:10]text [note"}, {{"00:10", "text [note"}}},
        {"line without tags ignored", {"just words", ""}, {}},
        {"empty file", {}, {}},
    };
    for (const LrcCase& c : cases)
        EXPECT_EQ(parseLrcLines(c.lines), withLeading(c.rows)) << c.name;
}

// Brackets nested deep made each "[" copy the rest of the line: 200,000 of them took hours and
// gigabytes. Now a line keeps its rightmost 256 tags and keys of at most 64 characters.
TEST(LrcReader, ReadsBracketsNestedDeepInOnePass)
{
    const int depth = 200000;
    const QString line = QStringLiteral("[00:01]") + QString(depth, QLatin1Char('[')) + QString(depth, QLatin1Char(']')) + QStringLiteral("x");
    const QList<LrcLine> table = parseLrcLines({line, QStringLiteral("[00:02]%1").arg(QString(5000, QChar(0x6B4C)))});
    ASSERT_EQ(table.size(), 1 + 256 + 1);
    for (const LrcLine& row : table)
        EXPECT_LE(row.key.size(), 64);
    EXPECT_TRUE(table[1].key == QString(64, QLatin1Char(']')));  // between the innermost "[" and the last "]", cut
    EXPECT_EQ(table.last().key, QStringLiteral("00:02"));
    EXPECT_EQ(table.last().text.size(), 2048);  // a lyric line of 5,000 characters, cut
    EXPECT_TRUE(findLrcLine(table, QStringLiteral("00:02")) == QString(2048, QChar(0x6B4C)));
}

TEST(LrcReader, FindsLinesAtWholeSeconds)
{
    const QList<LrcLine> table =
        parseLrcLines({"[00:00.50]Intro", "[00:07.90]seven", "[00:12.10]A", "[00:12.80]B", "[0:05.00]short", "[ar:Someone]"});
    EXPECT_EQ(findLrcLine(table, "00:07"), QString("seven"));
    // The leading row wins the first second, and the first row of a second hides the others.
    EXPECT_EQ(findLrcLine(table, "00:00"), QString(""));
    EXPECT_EQ(findLrcLine(table, "00:12"), QString("A"));
    EXPECT_EQ(findLrcLine(table, "00:05"), std::nullopt);
    EXPECT_EQ(findLrcLine(table, "00:08"), std::nullopt);
    // ID rows are never found by a time key.
    EXPECT_EQ(findLrcLine(table, "ar"), QString("Someone"));
    EXPECT_EQ(findLrcLine(table, songTimeKey(0)), QString(""));
}

TEST(LrcReader, DecodesEveryEncodingToTheSameTable)
{
    const QString text = QStringLiteral("[ti:甜蜜蜜]\n[00:01.00]晚风轻轻吹过河岸\n[00:02.00][00:04.00]星星点亮\n");
    xc::test::TestTree tree;
    QByteArray gb18030 = QStringEncoder("GB18030").encode(text);
    ASSERT_NE(gb18030, text.toUtf8());
    QByteArray crlfUtf8 = text.toUtf8().replace("\n", "\r\n");
    QByteArray bomUtf8 = "\xEF\xBB\xBF" + text.toUtf8();
    QByteArray utf16le = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text);
    QByteArray utf16be = QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(text);

    tree.writeFile("utf8.lrc", text.toUtf8());
    const Result<QList<LrcLine>> expected = readLrcFile(tree.path("utf8.lrc"));
    ASSERT_TRUE(expected.ok());
    ASSERT_EQ(expected.value().size(), 5);
    EXPECT_EQ(expected.value().at(1), (LrcLine{"00:01.00", "晚风轻轻吹过河岸"}));

    for (const auto& [name, bytes] : {std::pair{"gb18030.lrc", gb18030}, std::pair{"crlf.lrc", crlfUtf8},
                                      std::pair{"bom.lrc", bomUtf8}, std::pair{"utf16le.lrc", utf16le},
                                      std::pair{"utf16be.lrc", utf16be}}) {
        tree.writeFile(name, bytes);
        const Result<QList<LrcLine>> read = readLrcFile(tree.path(name));
        ASSERT_TRUE(read.ok()) << name;
        EXPECT_EQ(read.value(), expected.value()) << name;
    }
}

TEST(LrcReader, UnreadableFileIsReportedAndLeavesTheTableEmpty)
{
    LrcTimedLines timed;
    xc::test::TestTree tree;
    tree.writeFile("a.lrc", "[00:01.00]x\n");
    ASSERT_TRUE(timed.parse(tree.path("a.lrc")).ok());
    EXPECT_EQ(timed.lines().size(), 2);

    const Status missing = timed.parse(tree.path("missing.lrc"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains("missing.lrc"));
    EXPECT_TRUE(timed.lines().isEmpty());
    EXPECT_EQ(timed.find("00:00"), std::nullopt);
}

TEST(LrcReader, SplitsLinesAtEveryLineEnd)
{
    EXPECT_EQ(splitTextLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\n\nb\n"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(splitTextLines("").isEmpty());
}

TEST(SongTimeKey, WrapsHoursAndKeepsNegativeSeconds)
{
    const QList<std::pair<qint64, QString>> seconds{{0, "00:00"},    {7, "00:07"},     {59, "00:59"}, {61, "01:01"},
                                                    {3600, "60:00"}, {3660, "01:00"}, {-1, "00:0-1"}};
    for (const auto& [s, key] : seconds)
        EXPECT_EQ(songTimeKey(s), key) << s;
    EXPECT_EQ(songTimeKeyOfFrames(24), "00:00");
    EXPECT_EQ(songTimeKeyOfFrames(25), "00:01");
    EXPECT_EQ(songTimeKeyOfFrames(1500), "01:00");
    EXPECT_EQ(songTimeKeyOfFrames(-24), "00:00");
    EXPECT_EQ(songTimeKeyOfMs(7900), "00:07");
    EXPECT_EQ(hoursTimeText(0), "00:00:00");
    EXPECT_EQ(hoursTimeText(3723900), "01:02:03");
}
