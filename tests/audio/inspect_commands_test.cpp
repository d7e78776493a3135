#include "tests/cli/cli_runner.h"
#include "tests/support/test_tree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace xc::test;

namespace {

QString sample(const QString& extension) { return builtPath("yinyuegeci/甜蜜蜜." + extension); }

}  // namespace

TEST(InspectCommands, SongOnTheSampleAndOnAFileThatIsNoSong)
{
    const CliRun run = runCli({"inspect", "song", "--json", sample("mp3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject song = QJsonDocument::fromJson(run.out).object().value("songs").toArray().first().toObject();
    const qint64 length = song.value("lengthMs").toInteger();
    EXPECT_GT(length, 30000);
    EXPECT_LT(length, 40000);
    EXPECT_EQ(song.value("duration").toString(), QStringLiteral("00:00:%1").arg(length / 1000, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(song.value("frames").toInt(), length / 1000 * 25);

    const CliRun bad = runCli({"inspect", "song", sample("lrc")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(bad.err).contains(sample("lrc")));
}

TEST(InspectCommands, LrcTableAndLookup)
{
    const CliRun table = runCli({"inspect", "lrc", "--json", sample("lrc")});
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const QJsonArray lines = QJsonDocument::fromJson(table.out).object().value("lines").toArray();
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines.first().toObject().value("key").toString(), "00:00");
    EXPECT_EQ(lines.at(1).toObject().value("key").toString(), "00:05.00");

    const CliRun found = runCli({"inspect", "lrc", sample("lrc"), "--at", "00:05"});
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(found.out).trimmed(), lines.at(1).toObject().value("text").toString());
    const CliRun leading = runCli({"inspect", "lrc", sample("lrc"), "--at", "00:00"});
    EXPECT_EQ(leading.exitCode, 0);
    EXPECT_EQ(leading.out, "\n");
    const CliRun none = runCli({"inspect", "lrc", sample("lrc"), "--at", "00:07"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
}

TEST(InspectCommands, KscLinesWithMeasuredGroups)
{
    const CliRun run = runCli({"inspect", "ksc", "--json", "--script", "fanti", sample("ksc")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray lines = QJsonDocument::fromJson(run.out).object().value("lines").toArray();
    ASSERT_GE(lines.size(), 2);
    const QJsonObject first = lines.first().toObject();
    EXPECT_EQ(first.value("slot").toString(), "A");
    EXPECT_EQ(lines.at(1).toObject().value("slot").toString(), "B");
    const QJsonArray groups = first.value("groups").toArray();
    ASSERT_FALSE(groups.isEmpty());
    int cumulative = 0;
    for (const QJsonValue& group : groups) {
        cumulative += group.toObject().value("width").toInt();
        EXPECT_EQ(group.toObject().value("cumulativeWidth").toInt(), cumulative);
    }

    const CliRun small = runCli({"inspect", "ksc", "--json", "--font-size", "10", sample("ksc")});
    const QJsonObject smallGroup =
        QJsonDocument::fromJson(small.out).object().value("lines").toArray().first().toObject().value("groups").toArray().first().toObject();
    EXPECT_LT(smallGroup.value("width").toInt(), groups.first().toObject().value("width").toInt());

    EXPECT_EQ(runCli({"inspect", "ksc", "--script", "other", sample("ksc")}).exitCode, 2);
    EXPECT_EQ(runCli({"inspect", "ksc", builtPath("yinyuegeci/missing.ksc")}).exitCode, 1);
}
