#include "tests/cli/cli_runner.h"
#include "tests/photos/photo_fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

TEST(CliPlan, ImportsAFolderInNameOrderAndPrintsTheTable)
{
    TestTree tree;
    startedAlbum(tree);
    const QString folder = tree.path("user");
    writePhoto(folder, "b.jpeg", {300, 400});
    writePhoto(folder, "c.jpg", {400, 300}, 6);
    writePhoto(folder, "a.jpg", {400, 300});
    tree.writeFile("user/notes.txt", "not a photo");

    const QStringList args{"plan", "--photos", folder, "--seed", "5", "--json", "--app-dir", tree.workspace().appDir()};
    const CliRun run = runCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    const QJsonArray photos = json.value("photos").toArray();
    ASSERT_EQ(photos.size(), 3);
    EXPECT_EQ(photos[0].toObject().keys().size(), 23);  // every column, the crop included
    EXPECT_EQ(photos[0].toObject().value("name").toString(), "a");
    EXPECT_EQ(photos[1].toObject().value("name").toString(), "b.");
    EXPECT_EQ(photos[2].toObject().value("orientation").toString(), "shu_zhao");
    EXPECT_EQ(photos[2].toObject().value("thumbDone").toString(), "jiancai_yes");
    EXPECT_EQ(json.value("templateCounter").toString(), "3");
    EXPECT_EQ(runCli(args).out, run.out);  // the same seed plans the same album

    const CliRun text = runCli({"plan", "--photos", folder + "/a.jpg", "--app-dir", tree.workspace().appDir()});
    ASSERT_EQ(text.exitCode, 0);
    const QStringList lines = QString::fromUtf8(text.out).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].split('\t').size(), 23);
    EXPECT_EQ(lines[1].split('\t').size(), 23);
    EXPECT_EQ(lines[2], "templateCounter\t1");

    const CliRun refused = runCli({"plan", "--photos", tree.path("user/notes.txt"), "--app-dir", tree.workspace().appDir()});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(refused.err).contains("notes.txt"));
}

TEST(CliInspectPhoto, PrintsSizesOrientationAndExifValue)
{
    TestTree tree;
    const QString turned = writePhoto(tree.path("user"), "turned.jpg", {400, 300}, 6);
    tree.writeFile("user/broken.jpg", "broken");
    const CliRun run = runCli({"inspect", "photo", turned, tree.path("user/broken.jpg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(run.out).contains(turned + "\t400x300\t300x400\tshu_zhao\t6"));
    EXPECT_TRUE(QString::fromUtf8(run.err).contains("broken.jpg"));
}
