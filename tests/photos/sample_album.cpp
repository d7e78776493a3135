#include "tests/photos/sample_album.h"

#include "core/progress.h"
#include "core/workspace.h"
#include "photos/board_thumbnails.h"
#include "photos/photo_import.h"
#include "templates/classification.h"
#include "templates/package_codec.h"
#include "templates/startup.h"
#include "tests/photos/photo_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

namespace xc::test {

SampleAlbum::SampleAlbum()
{
    startUp(model, tree.workspace());
    const QDir samples(builtPath(QStringLiteral("smxcwjj/samples")));
    for (const QString& name : samples.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        const QString copy = photoDir.filePath(name);
        QFile::copy(samples.filePath(name), copy);
        paths << copy;
    }
    // Medium rule over L1 L2 L3 P1 … P4: L1 draws the 2-slot 13 and takes L2, L3 draws 01,
    // P1 draws the 2-slot 15 and takes P2, P3 draws 07, P4 draws 08.
    ScriptedRandom random({8, 0, 6, 0, 1});
    const Status imported = importPhotos(model, tree.workspace(), paths, noProgress(), random);
    EXPECT_TRUE(imported.ok()) << imported.error().toStdString();
    EXPECT_EQ(column(model.photos, &PhotoRecord::templateFolder), (QStringList{"1", "1", "2", "3", "3", "4", "5"}));
}

const TemplateRecord& SampleAlbum::named(const QString& stem) const
{
    for (const TemplateRecord& t : model.catalogue) {
        if (QFileInfo(t.package).completeBaseName() == stem)
            return t;
    }
    ADD_FAILURE() << "no template " << stem.toStdString();
    return model.catalogue[0];
}

QMap<QString, QByteArray> SampleAlbum::thumbnailsByPhoto() const
{
    QMap<QString, QByteArray> thumbnails;
    for (qsizetype row = 0; row < model.photos.count(); ++row)
        thumbnails.insert(model.photos[row].path, readFile(boardThumbnailPath(tree.workspace(), model.settings, row + 1)));
    return thumbnails;
}

void expectConsistentAlbum(const AlbumModel& model, const TestTree& tree, const QMap<QString, QByteArray>& thumbnailsByPhoto)
{
    const Workspace& workspace = tree.workspace();
    const PhotoTable& photos = model.photos;
    QStringList groups;
    for (const PhotoRecord& row : photos) {
        if (!groups.contains(row.templateFolder))
            groups << row.templateFolder;
    }
    QStringList numbers, seqs;
    for (int n = 1; n <= groups.size(); ++n)
        numbers << QString::number(n);
    for (qsizetype i = 1; i <= photos.count(); ++i)
        seqs << QString::number(i);
    EXPECT_EQ(groups, numbers) << "groups in order of their first photo";
    EXPECT_EQ(model.settings.templateCounter, QString::number(groups.size()));
    EXPECT_EQ(column(photos, &PhotoRecord::seq), seqs);

    QTemporaryDir scratch;
    for (const QString& group : groups) {
        QList<const PhotoRecord*> members;
        for (const PhotoRecord& row : photos) {
            if (row.templateFolder == group)
                members << &row;
        }
        const PhotoRecord& first = *members.first();
        const QStringList orientations = parseSlotList(first.templateOrientations);
        const QStringList widths = parseSlotList(first.templateWidths), heights = parseSlotList(first.templateHeights);
        EXPECT_EQ(members.size(), first.templatePhotoCount.toInt()) << "group " << group.toStdString();
        QSet<QString> slotNames;
        for (const PhotoRecord* row : members) {
            EXPECT_EQ(row->templatePackage, first.templatePackage) << "group " << group.toStdString();
            EXPECT_EQ(row->templateIndex, first.templateIndex);
            slotNames.insert(row->slotName);
            const qsizetype k = row->slotName.mid(8).toInt() - 1;
            ASSERT_TRUE(k >= 0 && k < orientations.size()) << row->slotName.toStdString();
            const QString slot = orientations[k];
            EXPECT_TRUE(slot == kw::slotEither || (slot == kw::slotPortrait) == (row->orientation == kw::portraitPhoto))
                << row->name.toStdString() << " in a " << slot.toStdString() << " slot";
            EXPECT_EQ(row->slotWidth, widths[k]);
            EXPECT_EQ(row->slotHeight, heights[k]);
            const QImage fitted = loadPicture(instanceFolderPath(workspace, group) + row->slotName + model.settings.ext2);
            EXPECT_FALSE(fitted.isNull()) << "picture of " << row->name.toStdString();
            if (widths[k].toInt() > 0) {
                EXPECT_EQ(fitted.size(), QSize(widths[k].toInt(), heights[k].toInt())) << row->name.toStdString();
            }
        }
        EXPECT_EQ(slotNames.size(), members.size()) << "distinct slots in group " << group.toStdString();
        const QString decoded = scratch.filePath(QStringLiteral("movie_") + group);
        ASSERT_TRUE(decodePackage(first.templatePackage, scratch.filePath(QStringLiteral("layer")), decoded).ok());
        EXPECT_EQ(readFile(instanceFolderPath(workspace, group) + instanceMovieName(group, model.settings.ext1)), readFile(decoded))
            << "movie of group " << group.toStdString();
    }
    QStringList folders = QDir(workspace.path(paths::templateWorkArea)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    folders.removeAll(QStringLiteral("tp_wjj_zuihou"));
    QStringList expectedFolders;
    for (const QString& group : groups)
        expectedFolders << QStringLiteral("tp_wjj_") + group;
    expectedFolders.sort();
    EXPECT_EQ(folders, expectedFolders);
    EXPECT_TRUE(QDir(workspace.path(paths::templateRoot)).entryList({QStringLiteral("mb_*")}, QDir::Dirs).isEmpty())
        << "no staging folder left behind";

    EXPECT_EQ(QDir(workspace.path(paths::photoThumbnails)).entryList(QDir::Files).size(), photos.count());
    for (qsizetype row = 0; row < photos.count(); ++row)
        EXPECT_EQ(readFile(boardThumbnailPath(workspace, model.settings, row + 1)), thumbnailsByPhoto.value(photos[row].path))
            << "thumbnail " << row + 1;
}

}  // namespace xc::test
