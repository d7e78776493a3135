#include "cli/template_page.h"
#include "core/album_model.h"
#include "templates/catalogue.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

// The page the desktop opens for "网站模板": every template with a real picture beside it.
TEST(CliTemplatePage, ListsEveryTemplateWithItsPicture)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    const CliRun list = runCli({"templates", "--json", "--app-dir", tree.workspace().appDir()});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QJsonObject lists = QJsonDocument::fromJson(list.out).object();
    const QJsonArray catalogue = lists.value("catalogue").toArray();

    const QString folder = tree.path("page");
    const CliRun run = runCli({"templates", "--page", folder, "--app-dir", tree.workspace().appDir()}, 600000);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString html = QString::fromUtf8(readFile(folder + "/index.html"));
    for (const QJsonValue& value : catalogue) {
        const QString package = QFileInfo(value.toObject().value("package").toString()).completeBaseName();
        EXPECT_TRUE(html.contains(value.toObject().value("category").toString())) << package.toStdString();
        EXPECT_TRUE(html.contains("src=\"" + package + ".jpg\"")) << package.toStdString();
        const QImage picture(folder + "/" + package + ".jpg");
        EXPECT_EQ(picture.size(), QSize(480, 270)) << package.toStdString();
    }
    EXPECT_TRUE(QImage(folder + "/wj_1.jpg").size() == QSize(480, 270));
    // Every card shows one tag per photo it takes; a template listed in two classes has two cards.
    int photos = 0;
    for (const char* name : {"landscape", "portrait", "advanced"})
        for (const QJsonValue& value : lists.value(name).toArray())
            photos += value.toObject().value("photoCount").toString().toInt();
    EXPECT_EQ(html.count("class=\"slot\""), photos);
    EXPECT_FALSE(html.contains("http")) << "the page must work offline";
}

TEST(CliTemplatePage, EscapesTheTemplatesTexts)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    AlbumModel model;
    buildCatalogue(model, tree.workspace());
    ASSERT_FALSE(model.landscapeTemplates.isEmpty());
    model.landscapeTemplates[0].category = "<b>推&拉</b>";
    ASSERT_TRUE(cli::writeTemplatePage(model, tree.workspace(), tree.path("page")).ok());
    const QString html = QString::fromUtf8(readFile(tree.path("page/index.html")));
    EXPECT_TRUE(html.contains("&lt;b&gt;推&amp;拉&lt;/b&gt;"));
    EXPECT_FALSE(html.contains("<b>推"));
}
