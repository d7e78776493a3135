#include "templates/package_codec.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace xc;
using xc::test::TestTree;

namespace {

QByteArray layerWithLength(qint32 declared, const QByteArray& deflated)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(declared, out.data());
    return out + deflated;
}

QByteArray zlibOf(const QByteArray& data) { return encodeLayer(data).mid(4); }

}  // namespace

TEST(DecodeLayer, ReturnsExactlyTheDeclaredLength)
{
    EXPECT_EQ(decodeLayer(encodeLayer("hello world")).value(), "hello world");
    EXPECT_EQ(decodeLayer(QByteArray()).value(), QByteArray());
    // Fewer bytes declared than inflated: only the declared prefix is kept.
    EXPECT_EQ(decodeLayer(layerWithLength(5, zlibOf("hello world"))).value(), "hello");
    // Bytes after the end of the zlib stream are ignored.
    EXPECT_EQ(decodeLayer(encodeLayer("abc") + "trailing garbage").value(), "abc");
}

TEST(DecodeLayer, RejectsDamagedLayersWithAReason)
{
    const QByteArray good = encodeLayer(QByteArray(10000, 'x'));
    struct Case {
        const char* what;
        QByteArray layer;
    } cases[] = {
        {"length only partly there", QByteArray("\x05\x00", 2)},
        {"truncated stream", good.left(good.size() / 2)},
        {"not zlib at all", layerWithLength(100, QByteArray(64, '\x7f'))},
        {"declares more than it holds", layerWithLength(20000, zlibOf(QByteArray(10000, 'x')))},
        {"negative length", layerWithLength(-1, zlibOf("x"))},
        {"absurd length", layerWithLength(std::numeric_limits<qint32>::max(), zlibOf("x"))},
    };
    for (const Case& c : cases) {
        const auto result = decodeLayer(c.layer);
        EXPECT_FALSE(result.ok()) << c.what;
        EXPECT_FALSE(result.error().isEmpty()) << c.what;
    }
}

TEST(DecodeLayer, ABombStopsAtTheDeclaredLength)
{
    // 64 MiB of zeros compress to a few KiB; declaring 1 KiB must not inflate the rest.
    const QByteArray bomb = zlibOf(QByteArray(64 * 1024 * 1024, '\0'));
    const auto result = decodeLayer(layerWithLength(1024, bomb));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().size(), 1024);
    // The densest stream zlib writes still decodes whole at its declared length.
    EXPECT_EQ(decodeLayer(layerWithLength(64 * 1024 * 1024, bomb)).value(), QByteArray(64 * 1024 * 1024, '\0'));
}

TEST(DecodePackage, WritesTwentyTwoIntermediateFilesAndThePayload)
{
    TestTree tree;
    tree.writeFile("package.rar", encodePackage("payload text"));
    QDir().mkpath(tree.path("scratch"));
    const Status status = decodePackage(tree.path("package.rar"), tree.path("scratch/run7"), tree.path("out.ini"));
    ASSERT_TRUE(status.ok()) << status.error().toStdString();

    QFile payload(tree.path("out.ini"));
    ASSERT_TRUE(payload.open(QIODevice::ReadOnly));
    EXPECT_EQ(payload.readAll(), "payload text");
    QStringList expected;
    for (int j = 1; j <= 22; ++j)
        expected << QStringLiteral("run7-%1.rar").arg(j);
    QStringList found = QDir(tree.path("scratch")).entryList(QDir::Files);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);
}

TEST(DecodePackage, ReportsWhichLayerFailed)
{
    TestTree tree;
    QByteArray package = encodeLayer(encodeLayer("only two layers"));
    tree.writeFile("short.rar", package);
    const Status status = decodePackage(tree.path("short.rar"), tree.path("s"), tree.path("out"));
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.error().contains("short.rar"));

    EXPECT_FALSE(decodePackage(tree.path("missing.rar"), tree.path("s"), tree.path("out")).ok());
}
