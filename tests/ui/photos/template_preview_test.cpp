#include "ui/photos/template_preview_window.h"

#include "core/album_model.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "media/flash_template_player.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "photos/template_change.h"
#include "render/photo_preview_area.h"
#include "templates/materialisation.h"
#include "templates/startup.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QDir>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace xc::ui {
namespace {

// The sample photos imported into a copy of the built data tree, with its real templates.
struct SampleAlbum {
    SampleAlbum()
    {
        startUp(model, tree.workspace());
        const QDir samples(test::builtPath(QStringLiteral("smxcwjj/samples")));
        QStringList files;
        for (const QString& name : samples.entryList({QStringLiteral("*.jpg")}))
            files.append(samples.filePath(name));
        const std::unique_ptr<RandomSource> random = seededRandomSource(7);
        const Status imported = importPhotos(model, tree.workspace(), files, noProgress(), *random);
        EXPECT_TRUE(imported.ok()) << imported.error().toStdString();
        // The first two photos (landscapes) share the two-photo template, whatever the draws gave.
        for (const TemplateRecord& t : model.catalogue) {
            if (t.package.endsWith(QStringLiteral("13_heng2_staggered.rar"))) {
                const Status grouped = formGroup(model, tree.workspace(), t, {0, 1}, *random);
                EXPECT_TRUE(grouped.ok()) << grouped.error().toStdString();
            }
        }
    }

    QString previewArea() const { return tree.path(paths::previewArea); }
    QString instanceMovie(qsizetype row) const
    {
        const QString instance = model.photos[row].templateFolder;
        return instanceFolderPath(tree.workspace(), instance) + instanceMovieName(instance, model.settings.ext1);
    }
    QString closingMovie() const { return closingMoviePath(tree.workspace(), model.settings); }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
};

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QSize pictureSize(const QString& path)
{
    return readPicture(path).size();
}

// Rewrites one top-level field of a movie in the album's work area (a Lottie JSON file).
void editMovie(const QString& path, const QString& field, const QJsonValue& value)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QJsonObject movie = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    ASSERT_TRUE(movie.contains(field)) << path.toStdString();
    movie.insert(field, value);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(movie).toJson(QJsonDocument::Compact));
}

// The mean difference of two equally sized pictures per channel (0 … 255).
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

QPushButton* button(const QWidget& window, const QString& caption)
{
    for (QPushButton* candidate : window.findChildren<QPushButton*>())
        if (candidate->text() == caption)
            return candidate;
    return nullptr;
}

TEST(PhotoPreviewArea, SlotPicturesAreScaledFromTheAlbumSizeToThePreviewSize)
{
    EXPECT_EQ(PhotoPreviewArea::previewPictureSize({1920, 1080}), QSize(800, 450));
    EXPECT_EQ(PhotoPreviewArea::previewPictureSize({810, 1080}), QSize(337, 450));
    EXPECT_EQ(PhotoPreviewArea::previewPictureSize({1, 1}), QSize(0, 0));  // callers keep at least a pixel
}

TEST(PhotoPreviewArea, PreparesACopyAndLeavesTheAlbumsWorkAreaAlone)
{
    SampleAlbum album;
    const auto workArea = test::snapshot(album.tree.path(paths::templateRoot));
    // A row of a template with several slots shows that every slot gets its copy.
    qsizetype row = 0;
    while (row < album.model.photos.count() && album.model.photos[row].templatePhotoCount.toInt() < 2)
        ++row;
    ASSERT_LT(row, album.model.photos.count());
    const PhotoRecord& photo = album.model.photos[row];
    PhotoPreviewArea area(album.tree.workspace(), album.model.settings);

    ASSERT_TRUE(area.prepare(album.model, row).ok());
    EXPECT_TRUE(QFile::exists(area.instanceMoviePath()));
    EXPECT_TRUE(QFile::exists(area.closingMoviePath()));
    const QString instanceFolder = QFileInfo(area.instanceMoviePath()).path() + QLatin1Char('/');
    const QString albumFolder = instanceFolderPath(album.tree.workspace(), photo.templateFolder);
    for (int k = 1; k <= photo.templatePhotoCount.toInt(); ++k) {
        const QString name = QStringLiteral("picture_%1.rar").arg(k);
        EXPECT_EQ(pictureSize(instanceFolder + name), PhotoPreviewArea::previewPictureSize(pictureSize(albumFolder + name))) << k;
    }
    ASSERT_TRUE(area.writeDesignedStartPicture(PhotoPreviewArea::previewSize).ok());
    EXPECT_EQ(pictureSize(album.previewArea() + QStringLiteral("pic/picture_0.rar")), PhotoPreviewArea::previewSize);
    EXPECT_EQ(test::snapshot(album.tree.path(paths::templateRoot)), workArea);
    area.remove();
    EXPECT_FALSE(QDir(album.previewArea()).exists());
}

TEST(PhotoPreviewArea, FailsNamingTheFileItCannotUse)
{
    struct Case {
        const char* what;
        std::function<QString(const SampleAlbum&)> spoil;  // returns the file the error names
    };
    const QList<Case> cases{
        {"instance movie missing",
         [](const SampleAlbum& album) {
             QFile::remove(album.instanceMovie(0));
             return album.instanceMovie(0);
         }},
        {"fitted photo unreadable",
         [](const SampleAlbum& album) {
             const QString path = instanceFolderPath(album.tree.workspace(), album.model.photos[0].templateFolder) +
                                  QStringLiteral("picture_1.rar");
             QFile file(path);
             EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write("not a picture");
             return path;
         }},
    };
    for (const Case& c : cases) {
        SampleAlbum album;
        const QString spoilt = c.spoil(album);
        PhotoPreviewArea area(album.tree.workspace(), album.model.settings);
        const Status prepared = area.prepare(album.model, 0);
        ASSERT_FALSE(prepared.ok()) << c.what;
        EXPECT_TRUE(prepared.error().contains(spoilt)) << c.what << ": " << prepared.error().toStdString();
    }
}

TEST(TemplatePreviewWindow, PlaysTheTemplateStopsAndReturns)
{
    SampleAlbum album;
    const auto workArea = test::snapshot(album.tree.path(paths::templateRoot));
    test::RecordingDialogs dialogs;
    TemplatePreviewWindow window(album.model, album.tree.workspace(), dialogs, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frame() >= 10; }, 10000)) << dialogs.messages.join(' ').toStdString();
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Template);
    EXPECT_FALSE(window.picture().isNull());
    EXPECT_TRUE(QFile::exists(album.previewArea() + QStringLiteral("pic/picture_0.rar")));

    button(window, QStringLiteral("停止"))->click();
    const int stoppedAt = window.frame();
    QTest::qWait(120);
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Stopped);
    EXPECT_EQ(window.frame(), stoppedAt);

    button(window, QStringLiteral("播放"))->click();  // starts over from the first frame
    EXPECT_LT(window.frame(), stoppedAt);
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Template);
    button(window, QStringLiteral("返回"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QDir(album.previewArea()).exists());
    EXPECT_EQ(test::snapshot(album.tree.path(paths::templateRoot)), workArea);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(TemplatePreviewWindow, TheTemplatesLastFrameOpensTheClosingMovieWhichPlaysToItsEnd)
{
    SampleAlbum album;
    constexpr int frames = 12;  // short movies keep the test short
    editMovie(album.instanceMovie(0), QStringLiteral("op"), frames);
    editMovie(album.closingMovie(), QStringLiteral("op"), frames);
    test::RecordingDialogs dialogs;
    TemplatePreviewWindow window(album.model, album.tree.workspace(), dialogs, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.phase() == TemplatePreviewWindow::Phase::Closing; }, 10000))
        << dialogs.messages.join(' ').toStdString();
    const QImage closingStart = readPicture(album.previewArea() + QStringLiteral("pic/picture_0.rar"));

    // The template's last frame, painted afresh from the designed start picture.
    PhotoPreviewArea area(album.tree.workspace(), album.model.settings);
    ASSERT_TRUE(area.writeDesignedStartPicture(PhotoPreviewArea::previewSize).ok());
    FlashTemplatePlayer player(PhotoPreviewArea::previewSize);
    ASSERT_TRUE(player.Movie(album.previewArea() + QStringLiteral("tp_wjj/wj_yl_xg%1/wj_yl_xg_%1.rar")
                                                       .arg(album.model.photos[0].templateFolder))
                    .ok());
    player.FrameNum(frames - 1);
    const QImage lastFrame = player.paintFrame();
    ASSERT_EQ(closingStart.size(), lastFrame.size());
    EXPECT_LT(meanDifference(closingStart, lastFrame), 2.0);  // JPEG leaves a little noise
    // ... and not the start picture the template opened from.
    const QImage designed = readPicture(album.tree.path(QStringLiteral("smxcwjj/pictures/start.jpg")))
                                .scaled(PhotoPreviewArea::previewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(meanDifference(closingStart, designed), 5.0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return window.phase() == TemplatePreviewWindow::Phase::Stopped; }, 10000));
    EXPECT_EQ(window.frame(), frames - 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(' ').toStdString();

    // 播放 starts again from the first template frame.
    window.play();
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Template);
    EXPECT_EQ(window.frame(), 0);
    window.close();  // the frame's close button: as 返回
    EXPECT_FALSE(QDir(album.previewArea()).exists());
}

TEST(TemplatePreviewWindow, AMovieWithAWrongMarkerEndsThePreviewWithANotice)
{
    SampleAlbum album;
    editMovie(album.instanceMovie(0), QStringLiteral("markers"),
              QJsonArray{QJsonObject{{"tm", 0}, {"dr", 0}, {"cm", "l_x_z_f_c=something_else"}}});
    test::RecordingDialogs dialogs;
    TemplatePreviewWindow window(album.model, album.tree.workspace(), dialogs, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.isEmpty(); }, 10000));
    EXPECT_TRUE(dialogs.messages.first().startsWith(QStringLiteral("模板无法载入："))) << dialogs.messages.first().toStdString();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Stopped);
    EXPECT_FALSE(QDir(album.previewArea()).exists());
}

TEST(TemplatePreviewWindow, ClosedBeforeItsPreparationLeavesNothingBehind)
{
    SampleAlbum album;
    test::RecordingDialogs dialogs;
    TemplatePreviewWindow window(album.model, album.tree.workspace(), dialogs, 0);
    window.show();
    window.reject();  // Esc or the close button, before the preparation had its turn
    QTest::qWait(100);
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Stopped);
    EXPECT_EQ(window.frame(), -1);
    EXPECT_FALSE(QDir(album.previewArea()).exists());
}

TEST(TemplatePreviewWindow, NeedsPhotosAndASelection)
{
    test::TestTree tree;
    AlbumModel empty;
    test::RecordingDialogs dialogs;
    TemplatePreviewWindow::open(nullptr, empty, tree.workspace(), dialogs, 0);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("没有找到相片文件，不能预览效果！")});

    SampleAlbum album;
    dialogs.messages.clear();
    TemplatePreviewWindow::open(nullptr, album.model, album.tree.workspace(), dialogs, -1);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("没有选中相片文件！")});
}

}  // namespace
}  // namespace xc::ui
