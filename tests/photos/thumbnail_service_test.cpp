#include "core/keywords.h"
#include "photos/image_resampling.h"
#include "photos/jpeg_codec.h"
#include "photos/photo_probe.h"
#include "photos/thumbnail_service.h"
#include "tests/photos/photo_fixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace xc;
using namespace xc::test;

namespace {

bool near(QRgb a, QColor b) { return sameColour(QColor(a), b); }

}  // namespace

// Each EXIF orientation: the shown size, and which stored quadrant ends at the shown top-left
// and top-right corners. Stored: red top-left, green top-right, blue bottom-left, white
// bottom-right.
TEST(ThumbnailService, AppliesEveryExifOrientation)
{
    struct Case { int orientation; QSize shown; QColor topLeft, topRight; };
    const Case cases[] = {
        {1, {400, 300}, Qt::red, Qt::green},   {2, {400, 300}, Qt::green, Qt::red},
        {3, {400, 300}, Qt::white, Qt::blue},  {4, {400, 300}, Qt::blue, Qt::white},
        {5, {300, 400}, Qt::red, Qt::blue},    {6, {300, 400}, Qt::blue, Qt::red},
        {7, {300, 400}, Qt::white, Qt::green}, {8, {300, 400}, Qt::green, Qt::white},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        const QString path = writePhoto(dir.path(), QStringLiteral("o%1.jpg").arg(c.orientation), {400, 300}, c.orientation);
        const Result<PhotoInfo> info = probePhotoFile(path);
        ASSERT_TRUE(info.ok());
        EXPECT_EQ(info.value().decoded, QSize(400, 300));
        EXPECT_EQ(info.value().displayed, c.shown);
        EXPECT_EQ(info.value().exifOrientation, c.orientation);

        const Result<QImage> thumbnail = photoThumbnail(path, {100, 100});
        ASSERT_TRUE(thumbnail.ok());
        const QImage& t = thumbnail.value();
        EXPECT_EQ(t.size(), c.shown.width() > c.shown.height() ? QSize(100, 75) : QSize(75, 100));
        EXPECT_TRUE(near(t.pixel(5, 5), c.topLeft));
        EXPECT_TRUE(near(t.pixel(t.width() - 6, 5), c.topRight));
    }
}

// Probing reads sizes from the header; a quarter-turned photo is recorded as shown.
TEST(PhotoProbe, RecordsOrientationAndSizeAsShown)
{
    QTemporaryDir dir;
    struct Case { QString name; QSize stored; int orientation; QString expectedName, ext, orientationKeyword; QSize recorded; };
    const Case cases[] = {
        {"turned.jpg", {400, 300}, 6, "turned", ".jpg", kw::portraitPhoto, {300, 400}},
        {"upright.JPG", {300, 400}, 1, "upright", ".JPG", kw::portraitPhoto, {300, 400}},
        {"square.jpg", {200, 200}, 6, "square", ".jpg", kw::landscapePhoto, {200, 200}},
        {"a.jpeg", {400, 300}, 1, "a.", ".jpeg", kw::landscapePhoto, {400, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = writePhoto(dir.path(), c.name, c.stored, c.orientation);
        const Result<PhotoRecord> row = probeStagingRow(path, 3);
        ASSERT_TRUE(row.ok());
        EXPECT_EQ(row.value().seq, "3");
        EXPECT_EQ(row.value().path, path);
        EXPECT_EQ(row.value().name, c.expectedName);
        EXPECT_EQ(row.value().ext, c.ext);
        EXPECT_EQ(row.value().orientation, c.orientationKeyword);
        EXPECT_EQ(QSize(row.value().width.toInt(), row.value().height.toInt()), c.recorded);
        EXPECT_TRUE(row.value().templateFolder.isEmpty());
    }
}

TEST(JpegCodec, DecodesAtTheSmallestDctScaleThatCoversTheRequest)
{
    EXPECT_EQ(jpegDecodeSize({4000, 3000}, {1920, 1440}), QSize(2000, 1500));
    EXPECT_EQ(jpegDecodeSize({4000, 3000}, {150, 112}), QSize(500, 375));
    EXPECT_EQ(jpegDecodeSize({4000, 3000}, {2001, 10}), QSize(2500, 1875));
    EXPECT_EQ(jpegDecodeSize({400, 300}, {800, 600}), QSize(400, 300));  // never enlarged by the decoder

    const Result<QImage> decoded = decodeJpeg(quadrantJpeg({400, 300}), {100, 70});
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value().size(), QSize(100, 75));
}

// Files the decoder refuses: the message names the file and the board shows a file picture.
TEST(ThumbnailService, RefusesFilesThatAreNotWholeJpegs)
{
    QTemporaryDir dir;
    const QByteArray good = quadrantJpeg({400, 300});
    const QMap<QString, QByteArray> files{{"empty.jpg", {}}, {"text.jpg", "not a picture"}, {"cut.jpg", good.left(good.size() / 2)}};
    for (auto it = files.begin(); it != files.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const QString path = dir.filePath(it.key());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(it.value());
        file.close();
        const Result<QImage> thumbnail = photoThumbnail(path, {100, 100});
        ASSERT_FALSE(thumbnail.ok());
        EXPECT_TRUE(thumbnail.error().contains(it.key()));
        EXPECT_EQ(thumbnailOrFilePicture(path, {100, 100}).size(), QSize(100, 100));
    }
    const Result<QImage> missing = photoThumbnail(dir.filePath("missing.jpg"), {100, 100});
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains("missing.jpg"));

    // Stray bytes before the end marker leave the picture whole: such files are accepted.
    const QByteArray stray = good.left(good.size() - 2) + QByteArray("\x00\x01\x02", 3) + good.right(2);
    EXPECT_TRUE(decodeJpeg(stray, {400, 300}).ok());
}

// A pattern finer than the output grid turns grey instead of aliasing into stripes or moiré;
// flat areas keep their exact colour.
TEST(ImageResampling, AveragesFineDetailAndKeepsFlatAreas)
{
    QImage stripes(997, 601, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, ((x + y) % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage small = resampled(stripes, {143, 89});
    ASSERT_EQ(small.size(), QSize(143, 89));
    for (int y = 2; y < small.height() - 2; ++y)
        for (int x = 2; x < small.width() - 2; ++x)
            ASSERT_NEAR(qGray(small.pixel(x, y)), 127, 6) << x << "," << y;

    QImage flat(640, 480, QImage::Format_RGB32);
    flat.fill(qRgb(12, 200, 77));
    for (const QSize size : {QSize(97, 61), QSize(1000, 700)}) {
        const QImage out = resampled(flat, size);
        EXPECT_EQ(out.size(), size);
        EXPECT_EQ(out.pixel(size.width() / 2, size.height() / 2), qRgb(12, 200, 77));
        EXPECT_EQ(out.pixel(0, size.height() - 1), qRgb(12, 200, 77));
    }
    EXPECT_EQ(resampled(flat, {1000, 700}, {300, 200}).size(), QSize(300, 200));
}
