#pragma once

#include <QPointF>
#include <QTransform>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

struct LOTLayerNode;

namespace xc {

// Everything that decides how a group of render-tree layers looks, split into what an affine
// move changes (points, lengths), what fading changes (alphas) and what neither does (a hash of
// structure, colours and modes). Two geometries equal but for an affine map of their points,
// with lengths scaled to match, and alphas scaled by one factor, draw the same pixels under that
// map at that opacity; a drawing of one can stand for the other.
struct LayerGeometry {
    quint64 shape = 0;
    std::vector<QPointF> points;  // path, mask, clip and gradient points
    std::vector<qreal> lengths;   // stroke widths and gradient radii
    std::vector<int> alphas;      // colour and gradient stop alphas, when they may fade together
    bool hasImages = false;
};

// fadeTogether: the colours' alphas are kept apart from the hash (and the first layer's own
// opacity left out), for a single layer that is drawn as a whole with an opacity. Across a
// matte a fade is no common factor, so there they stay in the hash.
LayerGeometry geometryOf(std::span<const LOTLayerNode* const> layers, bool fadeTogether);

struct LayerMatch {
    QTransform move;  // the exact identity when nothing moved
    qreal opacity = 1;
};

// How `to` follows from `from`, when it does.
std::optional<LayerMatch> matchBetween(const LayerGeometry& from, const LayerGeometry& to);

}  // namespace xc
