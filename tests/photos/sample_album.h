#pragma once

#include "core/album_model.h"

#include <QMap>
#include <QTemporaryDir>

#include "tests/support/test_tree.h"

namespace xc::test {

// The sample photos of the data tree (copied first, so the originals are never touched)
// imported into a copy of the built data tree with its real templates. Scripted draws give the
// groups: L1 L2 in group 1 (13_heng2_staggered), L3 in 2 (01_heng_slow_push), P1 P2 in 3
// (15_shu2_tilted), P3 in 4 (07_shu_elegant), P4 in 5 (08_shu_panel).
struct SampleAlbum {
    SampleAlbum();

    // The catalogue row of the template whose package is named `stem`.
    const TemplateRecord& named(const QString& stem) const;
    // The board thumbnail of every photo, by photo path, for checking they still follow their photos.
    QMap<QString, QByteArray> thumbnailsByPhoto() const;

    TestTree tree{TestTree::Contents::BuiltDataTree};
    QTemporaryDir photoDir;
    QStringList paths;  // L1 L2 L3 P1 P2 P3 P4
    AlbumModel model;
};

// What the photo board relies on after any change of groups: groups numbered 1 … K by first
// photo in board order and a counter of K; every group complete, its photos in distinct slots of
// their orientation, its folder holding its own template's movie and one fitted picture per slot;
// no other instance folder; rows numbered 1 … N; one thumbnail per row, the one of its photo.
void expectConsistentAlbum(const AlbumModel& model, const TestTree& tree, const QMap<QString, QByteArray>& thumbnailsByPhoto);

}  // namespace xc::test
