#pragma once

#include "media/layer_geometry.h"
#include "media/movie_picture.h"
#include "media/render_tree_painter.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

#include <vector>

class QPainter;
struct LOTLayerNode;

namespace xc {

// Paints whole frames of a movie's render tree, fast when frames come in order.
//
// Most layers of a template stay still, fade, or move as a whole from one frame to the next. A
// top-level layer without pictures that did so is painted once into an image of its own, which
// later frames draw as it is, or moved and faded as the layer is; it is painted afresh when it
// changes otherwise or has grown or shrunk by a tenth. Layers hidden under a picture that
// covers the whole frame are not painted at all.
class MovieFramePainter {
public:
    explicit MovieFramePainter(QSize deviceSize);

    // Paints `root` with `painter`, whose coordinates are the tree's device coordinates.
    void paint(QPainter& painter, const LOTLayerNode& root, const QList<FittedPicture>& pictures);

private:
    struct RememberedUnit {
        LayerGeometry lastSeen;
        LayerGeometry rasterGeometry;
        QImage raster;
        QPoint origin;
        bool complete = false;  // the raster holds all of the unit
    };

    void paintUnit(QPainter& painter, LayerUnit unit, RememberedUnit& remembered);
    bool makeRaster(RememberedUnit& remembered, LayerUnit unit, bool withOwnOpacity);

    RenderTreePainter m_treePainter;
    std::vector<RememberedUnit> m_remembered;  // by top-level unit
};

}  // namespace xc
