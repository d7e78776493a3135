#include "ui/photos/template_preview_window.h"

#include "core/album_model.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "render/photo_preview_area.h"
#include "templates/startup.h"
#include "tests/photos/photo_fixtures.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QDir>
#include <QImageReader>
#include <QTest>

#include <gtest/gtest.h>

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
    }

    QString previewArea() const { return tree.path(paths::previewArea); }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
};

QSize pictureSize(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.size();
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
    const PhotoRecord& photo = album.model.photos[0];
    PhotoPreviewArea area(album.tree.workspace(), album.model.settings);

    ASSERT_TRUE(area.prepare(album.model, 0).ok());
    EXPECT_TRUE(QFile::exists(area.instanceMoviePath()));
    EXPECT_TRUE(QFile::exists(area.closingMoviePath()));
    const QString instanceFolder = QFileInfo(area.instanceMoviePath()).path() + QLatin1Char('/');
    const QString albumFolder = instanceFolderPath(album.tree.workspace(), photo.templateFolder);
    for (int k = 1; k <= photo.templatePhotoCount.toInt(); ++k) {
        const QString name = QStringLiteral("picture_%1.rar").arg(k);
        EXPECT_EQ(pictureSize(instanceFolder + name), PhotoPreviewArea::previewPictureSize(pictureSize(albumFolder + name))) << k;
    }
    EXPECT_EQ(test::snapshot(album.tree.path(paths::templateRoot)), workArea);
    area.remove();
    EXPECT_FALSE(QDir(album.previewArea()).exists());
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

    window.stop();
    const int stoppedAt = window.frame();
    QTest::qWait(120);
    EXPECT_EQ(window.phase(), TemplatePreviewWindow::Phase::Stopped);
    EXPECT_EQ(window.frame(), stoppedAt);

    window.play();  // starts over from the first frame
    EXPECT_LT(window.frame(), stoppedAt);
    window.back();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QDir(album.previewArea()).exists());
    EXPECT_EQ(test::snapshot(album.tree.path(paths::templateRoot)), workArea);
    EXPECT_TRUE(dialogs.messages.isEmpty());
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
