#include "tests/photos/photo_fixtures.h"

#include "core/progress.h"
#include "photos/board_thumbnails.h"
#include "photos/jpeg_codec.h"
#include "photos/photo_import.h"
#include "templates/materialisation.h"
#include "templates/package_codec.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace xc::test {

QString writePhoto(const QString& folder, const QString& name, QSize stored, int orientation, QColor tint)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QByteArray bytes = quadrantJpeg(stored, tint);
    if (orientation != 1)
        bytes = withExifOrientation(bytes, orientation);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QList<TemplateFixture> standardTemplates()
{
    return {
        {"a1", "1", "|heng|", "|1920|", "|1080|"},
        {"b2", "2", "|heng|heng|", "|800|800|", "|600|600|"},
        {"c3", "3", "|heng|heng|heng|", "|640|640|640|", "|480|480|480|"},
        {"d1", "1", "|shu|", "|608|", "|1080|"},
        {"e2", "2", "|shu|shu|", "|600|600|", "|800|800|"},
        {"f1", "1", "|heng|", "|0|", "|0|"},
    };
}

QByteArray moviePayload(const QString& name)
{
    return QStringLiteral("{\"v\":\"5.7.4\",\"fr\":25,\"ip\":0,\"op\":50,\"w\":1920,\"h\":1080,\"nm\":\"%1\",\"assets\":[],"
                          "\"layers\":[]}")
        .arg(name)
        .toUtf8();
}

AlbumModel startedAlbum(const TestTree& tree, const QList<TemplateFixture>& templates)
{
    for (const TemplateFixture& t : templates) {
        const QString ini = QStringLiteral("[l_x_w_j_s_y]\nl_x_w_j_s_y=s_y_l_x\n[1]\nmblx=测试\nmbfl=测试\nxpsl=%1\nxpkd=%2\n"
                                           "xpgd=%3\nszhz=%4\nxpjpgmc=|picture_1|\nmbdx=50\n")
                                .arg(t.photoCount, t.widths, t.heights, t.orientations);
        tree.writeFile("smxcwjj/wj_0_or_2/wjj_02/" + t.name + ".rar", encodePackage(ini.toUtf8()));
        tree.writeFile("smxcwjj/wj_0_or_2/wjj_01/" + t.name + ".rar", encodePackage(moviePayload(t.name)));
    }
    tree.writeFile("smxcwjj/wj_0_or_1/wj_1.rar", encodePackage(moviePayload("closing")));
    AlbumModel model;
    const StartupReport report = startUp(model, tree.workspace());
    EXPECT_TRUE(report.catalogue.leftOut.isEmpty()) << report.catalogue.leftOut.join('\n').toStdString();
    return model;
}

QStringList column(const PhotoTable& table, QString PhotoRecord::*field)
{
    QStringList out;
    for (const PhotoRecord& row : table)
        out << row.*field;
    return out;
}

QStringList rowValues(const PhotoTable& table)
{
    QStringList out;
    for (qsizetype i = 0; i < table.count(); ++i)
        out << table.values(i).join(QLatin1Char('\t'));
    return out;
}

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<dir>"));
    }
    return files;
}

int ScriptedRandom::draw(int count)
{
    if (m_picks.isEmpty()) {
        ADD_FAILURE() << "more draws than scripted";
        return 0;
    }
    const int pick = m_picks.takeFirst();
    EXPECT_LT(pick, count) << "scripted pick outside the pool";
    return pick;
}

FiveLandscapeAlbum::FiveLandscapeAlbum()
{
    model = startedAlbum(tree);
    tints = {QColor(200, 30, 30), QColor(30, 200, 30), QColor(30, 30, 200), QColor(200, 200, 30), QColor(30, 200, 200)};
    for (int i = 0; i < 5; ++i)
        paths << writePhoto(photoDir.path(), QStringLiteral("L%1.jpg").arg(i + 1), {400, 300}, 1, tints[i]);
    // Medium rule: L1 draws a1, L2 draws b2 and takes L3 along, L4 draws a1, L5 draws f1.
    ScriptedRandom random({0, 1, 0, 2});
    const Status imported = importPhotos(model, tree.workspace(), paths, noProgress(), random);
    EXPECT_TRUE(imported.ok()) << imported.error().toStdString();
}

QString FiveLandscapeAlbum::thumbnail(qsizetype row) const
{
    return boardThumbnailPath(tree.workspace(), model.settings, row);
}

QString FiveLandscapeAlbum::instanceFile(const QString& instance, const QString& name) const
{
    return instanceFolderPath(tree.workspace(), instance) + name;
}

QImage loadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // Working files keep their configured extensions, whatever they hold.
    if (bytes.startsWith("BM"))
        return QImage::fromData(bytes, "BMP");
    const Result<QImage> decoded = decodeJpeg(bytes, {1 << 20, 1 << 20});
    return decoded.ok() ? decoded.value() : QImage();
}

bool sameColour(QColor a, QColor b, int tolerance)
{
    return a.isValid() && std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace xc::test
