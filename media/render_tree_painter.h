#pragma once

#include "media/movie_picture.h"

#include <QImage>
#include <QList>
#include <QSize>

#include <deque>

class QPainter;
struct LOTLayerNode;
struct LOTNode;

namespace xc {

// Paints a frame's render tree, as the animation engine computes it, with QPainter: antialiased
// paths, gradients and strokes, masks and track mattes, and pictures drawn with bilinear
// filtering in place of the engine's placeholders.
class RenderTreePainter {
public:
    // deviceSize: the size the render tree was computed for.
    explicit RenderTreePainter(QSize deviceSize);

    // Paints `root` with `painter`, whose coordinates are the tree's device coordinates.
    // pictures[i] is drawn for placeholder i; a null picture draws nothing.
    void paint(QPainter& painter, const LOTLayerNode& root, const QList<FittedPicture>& pictures);

private:
    const FittedPicture* pictureOf(const LOTNode& node) const;
    QRectF contentBounds(const LOTLayerNode& layer) const;
    QRectF layerBounds(const LOTLayerNode& layer) const;
    QRect deviceArea(const QRectF& bounds) const;
    void paintLayer(QPainter& painter, const LOTLayerNode& layer, int depth);
    void paintContents(QPainter& painter, const LOTLayerNode& layer, int depth);
    void paintMatted(QPainter& painter, const LOTLayerNode& content, const LOTLayerNode& source, int depth);
    void applyMasks(QImage& layerImage, const QRect& bounds, const LOTLayerNode& layer, bool clipIsMask, int depth);
    // A device-sized image for offscreen work at nesting `depth`, transparent within `cleared`
    // and reused across frames.
    QImage& scratch(int depth, const QRect& cleared);

    QSize m_deviceSize;
    const QList<FittedPicture>* m_pictures = nullptr;
    std::deque<QImage> m_scratch;  // a deque keeps references stable while it grows
};

}  // namespace xc
