#include "cli/template_sheet.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace xc;
using namespace xc::test;
namespace sheet = xc::cli::sheet;

namespace {

// Mean absolute difference of the colour channels, 0 … 255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x])) + std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return sum / (3.0 * left.width() * left.height());
}

QImage cell(const QImage& sheetImage, int row, int column)
{
    return sheetImage.copy(QRect(sheet::cellOrigin(row, column), sheet::cellSize));
}

}  // namespace

// The shipped set as an album plays it: every template opens on the picture the one before it
// ended on, unchanged, and shows visible motion between every two columns of the sheet.
TEST(CliTemplateSheet, EveryShippedTemplateOpensOnItsStartPictureAndKeepsMoving)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    const CliRun list = runCli({"templates", "--json", "--app-dir", tree.workspace().appDir()});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QJsonArray catalogue = QJsonDocument::fromJson(list.out).object().value("catalogue").toArray();
    const int rows = int(catalogue.size()) + 1;  // and the closing template

    const QString out = tree.path("sheet.png");
    const CliRun run = runCli({"templates", "--sheet", out, "--app-dir", tree.workspace().appDir()}, 600000);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage sheetImage(out);
    ASSERT_FALSE(sheetImage.isNull());
    ASSERT_EQ(sheetImage.height(), sheet::cellOrigin(rows, 0).y() + sheet::gap);

    const QImage start = QImage(tree.path("smxcwjj/pictures/start.jpg"))
                             .scaled(sheet::cellSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage previousEnd = start;
    for (int row = 0; row < rows; ++row) {
        const std::string name = row < catalogue.size() ? catalogue[row].toObject().value("package").toString().toStdString() : "closing";
        EXPECT_LT(meanDifference(cell(sheetImage, row, 0), previousEnd), 2.0) << name << " does not open on its start picture";
        for (int column = 1; column < sheet::columnCount; ++column)
            EXPECT_GT(meanDifference(cell(sheetImage, row, column - 1), cell(sheetImage, row, column)), 1.0)
                << name << " shows no motion before column " << column;
        previousEnd = cell(sheetImage, row, sheet::columnCount - 1);
    }
}

TEST(CliTemplateSheet, ReportsAMissingSampleFolder)
{
    TestTree tree(TestTree::Contents::BuiltDataTree);
    ASSERT_TRUE(QDir(tree.path("smxcwjj/samples")).removeRecursively());
    const CliRun run = runCli({"templates", "--sheet", tree.path("sheet.png"), "--app-dir", tree.workspace().appDir()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("samples"));
    EXPECT_FALSE(QFile::exists(tree.path("sheet.png")));
}
