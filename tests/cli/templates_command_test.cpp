#include "templates/package_codec.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/test_tree.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

TEST(CliTemplates, PrintsTheShippedCatalogueAsJson)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    const CliRun run = runCli({"templates", "--json", "--app-dir", tree.workspace().appDir()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    for (const char* key : {"catalogue", "landscape", "portrait", "advanced"})
        EXPECT_TRUE(json.value(key).isArray()) << key;
    const QJsonArray catalogue = json.value("catalogue").toArray();
    ASSERT_FALSE(catalogue.isEmpty());
    const QJsonObject first = catalogue.first().toObject();
    EXPECT_EQ(first.value("index").toString(), "0");
    EXPECT_TRUE(first.value("frames").isString());
    for (const QJsonValue& entry : catalogue)  // every shipped template is in a themed collection
        EXPECT_FALSE(entry.toObject().value("collection").toString().isEmpty()) << entry.toObject().value("package").toString().toStdString();
    EXPECT_FALSE(json.value("landscape").toArray().isEmpty());
    EXPECT_FALSE(json.value("portrait").toArray().isEmpty());
    EXPECT_TRUE(json.value("landscape").toArray().first().toObject().contains("landscapeSlots"));
}

TEST(CliTemplates, ReportsDamagedPackagesAndGoesOn)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    tree.writeFile("smxcwjj/wj_0_or_2/wjj_02/00_broken.rar", "garbage");
    tree.writeFile("smxcwjj/wj_0_or_2/wjj_01/00_broken.rar", encodePackage("{}"));
    const CliRun run = runCli({"templates", "--app-dir", tree.workspace().appDir()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(run.err).contains("00_broken.rar"));
    EXPECT_TRUE(QString::fromUtf8(run.out).startsWith("Catalogue"));

    TestTree empty;
    EXPECT_EQ(runCli({"templates", "--app-dir", empty.workspace().appDir()}).exitCode, 3);
}

TEST(CliInspectPackage, WritesThePayload)
{
    TestTree tree;
    tree.writeFile("p.rar", encodePackage("[1]\nmbdx=100\n"));
    CliRun run = runCli({"inspect", "package", tree.path("p.rar")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "[1]\nmbdx=100\n");

    run = runCli({"inspect", "package", tree.path("p.rar"), "-o", tree.path("out.ini")});
    ASSERT_EQ(run.exitCode, 0);
    QFile out(tree.path("out.ini"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), "[1]\nmbdx=100\n");

    tree.writeFile("bad.rar", "nope");
    run = runCli({"inspect", "package", tree.path("bad.rar")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("bad.rar"));
}

TEST(CliHelp, EveryCommandAnswersHelp)
{
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"templates", "--help"}, QStringList{"inspect", "--help"},
                                    QStringList{"inspect", "package", "--help"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.contains("--") || run.out.contains("Commands")) << args.join(' ').toStdString();
    }
    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 2);
}

namespace {

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

}  // namespace

// Every command, ending well or not, works in a folder of its own and leaves nothing behind:
// neither in the program folder nor in the runtime folder.
TEST(CliCommands, LeaveNothingBehind)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    tree.writeFile(QStringLiteral("user/notes.txt"), "not a photo");
    const QString appDir = tree.workspace().appDir();
    const QStringList before = filesUnder(appDir);
    const QList<QStringList> commands{
        {"templates", "--app-dir", appDir},
        {"plan", "--photos", tree.path(QStringLiteral("smxcwjj/samples")), "--app-dir", appDir},
        {"plan", "--photos", tree.path(QStringLiteral("user/notes.txt")), "--app-dir", appDir},
        {"make", "--photos", tree.path(QStringLiteral("user/notes.txt")), "--app-dir", appDir, "-o", runtime.filePath("a")},
    };
    for (const QStringList& command : commands) {
        runCli(command, 300000);
        EXPECT_EQ(filesUnder(appDir), before) << command.join(' ').toStdString();
        EXPECT_TRUE(filesUnder(runtime.path() + QStringLiteral("/xiangce")).isEmpty()) << command.join(' ').toStdString();
    }
    qunsetenv("XDG_RUNTIME_DIR");
}
