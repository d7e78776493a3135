#pragma once

#include "media/movie_picture.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

#include <deque>
#include <span>
#include <vector>

class QPainter;
struct LOTLayerNode;
struct LOTNode;

namespace xc {

// A top-level layer of a render tree, or a layer followed by its matte source.
using LayerUnit = std::span<const LOTLayerNode* const>;

// A layer's children bottom first, each alone or with the matte source that follows it; a matted
// layer without a source is left out.
std::vector<LayerUnit> layerUnits(const LOTLayerNode& parent);

// Rough nanoseconds per pixel (and per drawable) that QPainter takes here, to choose between
// painting a layer afresh and drawing a remembered image of it.
namespace paintCosts {
inline constexpr qreal perNode = 5000;
inline constexpr qreal fillPerPixel = 0.5;
inline constexpr qreal gradientPerPixel = 3;
inline constexpr qreal strokePerPixel = 1.5;  // of the stroke's bounding box: Qt's stroking grows with it
inline constexpr qreal offscreenPerPixel = 3;
inline constexpr qreal blendPerPixel = 0.5;     // an image drawn unmoved
inline constexpr qreal resamplePerPixel = 5;    // an image drawn moved, filtered
}  // namespace paintCosts

// Paints render-tree layers, as the animation engine computes them, with QPainter: antialiased
// paths, gradients and strokes, masks and track mattes, and pictures drawn with bilinear
// filtering in place of the engine's placeholders. Coordinates are the tree's device
// coordinates throughout.
class RenderTreePainter {
public:
    // deviceSize: the size the render tree was computed for.
    explicit RenderTreePainter(QSize deviceSize);

    // pictures[i] is drawn for placeholder i; a null picture draws nothing.
    void setPictures(const QList<FittedPicture>* pictures);
    // The part of the tree's coordinates that painting may reach: the device, or the whole
    // extent of a layer being painted into an image of its own.
    void setCanvas(const QRect& canvas);
    QRect deviceRect() const { return m_deviceRect; }
    static void prepare(QPainter& painter);

    // Paints a whole layer (masks, matte, opacity), optionally leaving out its own opacity.
    void paintUnit(QPainter& painter, LayerUnit unit, bool withOwnOpacity = true, int depth = 0);
    void paintLayer(QPainter& painter, const LOTLayerNode& layer, int depth = 0, bool withOwnOpacity = true);
    QRectF unitBounds(LayerUnit unit) const;
    // The whole pixels of `limit` that `bounds` touches, with one more on each side for
    // antialiased edges. A movie may give any coordinates, so the edges are held near `limit`
    // before they become whole numbers.
    static QRect pixelsWithin(const QRectF& bounds, const QRect& limit);
    // The estimated time, in nanoseconds, that painting the unit afresh takes.
    qreal paintCost(LayerUnit unit) const;
    // True for a plain opaque picture that covers the whole device.
    bool coversFrameOpaquely(LayerUnit unit) const;

private:
    const FittedPicture* pictureOf(const LOTNode& node) const;
    QRectF nodeBounds(const LOTNode& node) const;
    QRectF contentBounds(const LOTLayerNode& layer) const;
    QRectF layerBounds(const LOTLayerNode& layer) const;
    QRectF mattedBounds(const LOTLayerNode& content, const LOTLayerNode& source) const;
    QRect canvasArea(const QRectF& bounds) const;
    QRect pixelsOf(const QRect& area) const;
    void begin(QPainter& painter, QImage& image, const QRect& area) const;
    void paintContents(QPainter& painter, const LOTLayerNode& layer, int depth);
    void paintMatted(QPainter& painter, const LOTLayerNode& content, const LOTLayerNode& source, int depth);
    void applyMasks(QImage& layerImage, const QRect& area, const LOTLayerNode& layer, bool clipIsMask, int depth);
    // A canvas-sized image for offscreen work at nesting `depth` (its pixel (0, 0) is the
    // canvas's top left), transparent within `cleared` and reused across frames.
    QImage& scratch(int depth, const QRect& cleared);

    QRect m_deviceRect;
    QRect m_canvas;
    const QList<FittedPicture>* m_pictures = nullptr;
    std::deque<QImage> m_scratch;  // a deque keeps references stable while it grows
};

}  // namespace xc
