#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

namespace xc {

// An image asset of a movie: where its picture comes from and the box it is drawn into.
struct MovieImageAsset {
    QString picturePath;     // resolved file path; empty for an embedded picture
    QByteArray embeddedData; // the decoded bytes of a "data:" picture
    QSize box;               // the asset's declared w × h (empty when it declares none)
    bool isStartPicture = false;
};

// A movie read for playing: the JSON handed to the animation engine, with every image asset
// replaced by a tiny embedded placeholder, so the engine neither decodes photos nor reuses
// pictures between loads; the player draws the real pictures itself.
struct MovieSource {
    QByteArray engineJson;
    QList<MovieImageAsset> imageAssets;  // in placeholder order
    QHash<QString, QString> variables;   // markers "name=value"
};

// Reads the movie file at `path` (any extension) and resolves its image assets relative to the
// movie's folder. Fails when the file cannot be read or is not a Lottie JSON object.
Result<MovieSource> readMovieSource(const QString& path);

// The placeholder of image asset `index` is a transparent picture of this size, so that an image
// node of the engine's render tree names its asset by its bitmap size.
QSize placeholderSize(int index);
// The asset index a render-tree bitmap of this size stands for, or -1.
int assetIndexOfPlaceholder(int width, int height);

}  // namespace xc
