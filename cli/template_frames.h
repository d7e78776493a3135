#pragma once

#include "core/result.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::cli {

// Frames of one shipped template, played with the sample photos in its slots.
struct PlayedTemplate {
    QString package;      // the movie package's path
    QString name;         // the package's base name
    QStringList details;  // kind and category, class and frames, slots
    QList<QImage> frames; // album-sized, one per requested position
    QString error;        // why the movie could not be played
};

// Plays every catalogue template, then the closing template, as an album would: the first from
// the album's start picture and each later one from the last frame of the one before. Every movie
// is played by the real template player from a temporary folder laid out as a materialised
// template, its slots holding the sample photos of the data tree fitted as an import fits them
// (landscape samples in landscape slots, portrait ones in portrait slots, the two taking turns in
// slots of either orientation). `positions` are fractions (0 … 1) of each movie; the last
// position should be 1 so the next template starts where this one ends. A movie that fails is
// returned with its message. `model` must hold the classified catalogue.
Result<QList<PlayedTemplate>> playShippedTemplates(const AlbumModel& model, const Workspace& workspace,
                                                   const QList<double>& positions);

}  // namespace xc::cli
