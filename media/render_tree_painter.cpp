#include "media/render_tree_painter.h"

#include "media/movie_source.h"
#include "media/render_tree_path.h"

#include <rlottiecommon.h>

#include <QLinearGradient>
#include <QPolygonF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>

namespace xc {

namespace {

constexpr QPainter::RenderHints drawingHints = QPainter::Antialiasing | QPainter::SmoothPixmapTransform;

// floatCount bounds what the elements may consume; elements never ask for more than the engine
// stored, so a generous bound is safe.
QPainterPath toPath(const float* points, size_t floatCount, const char* elements, size_t elementCount)
{
    QPainterPath path;
    size_t next = 0;
    auto has = [&](size_t pointCount) { return next + 2 * pointCount <= floatCount; };
    for (size_t i = 0; i < elementCount; ++i) {
        switch (elements[i]) {
        case MoveTo:
        case LineTo:
            if (!has(1))
                return path;
            if (elements[i] == MoveTo)
                path.moveTo(points[next], points[next + 1]);
            else
                path.lineTo(points[next], points[next + 1]);
            next += 2;
            break;
        case CubicTo:
            if (!has(3))
                return path;
            path.cubicTo(points[next], points[next + 1], points[next + 2], points[next + 3], points[next + 4], points[next + 5]);
            next += 6;
            break;
        case Close:
            path.closeSubpath();
            break;
        default:
            return path;
        }
    }
    return path;
}

QRectF pointBounds(const float* points, size_t floatCount)
{
    if (floatCount < 2)
        return {};
    float left = points[0], right = points[0], top = points[1], bottom = points[1];
    for (size_t i = 2; i + 1 < floatCount; i += 2) {
        left = std::min(left, points[i]);
        right = std::max(right, points[i]);
        top = std::min(top, points[i + 1]);
        bottom = std::max(bottom, points[i + 1]);
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// True when the path is a single axis-aligned rectangle (a precomposition's clip usually is).
bool isAxisAlignedRect(const float* points, size_t floatCount, const char* elements, size_t elementCount, const QRectF& bounds)
{
    for (size_t i = 0; i < elementCount; ++i) {
        if (elements[i] == CubicTo || (elements[i] == MoveTo && i != 0))
            return false;
    }
    for (size_t i = 0; i + 1 < floatCount; i += 2) {
        const bool onVertical = points[i] == float(bounds.left()) || points[i] == float(bounds.right());
        const bool onHorizontal = points[i + 1] == float(bounds.top()) || points[i + 1] == float(bounds.bottom());
        if (!onVertical || !onHorizontal)
            return false;
    }
    return true;
}

QTransform imageTransform(const LOTNode& node)
{
    const auto& m = node.mImageInfo.mMatrix;
    return QTransform(m.m11, m.m12, m.m13, m.m21, m.m22, m.m23, m.m31, m.m32, m.m33);
}

bool isImageNode(const LOTNode& node) { return node.mImageInfo.data != nullptr; }

QBrush nodeBrush(const LOTNode& node)
{
    if (node.mBrushType == BrushSolid)
        return QColor(node.mColor.r, node.mColor.g, node.mColor.b, node.mColor.a);
    const auto& g = node.mGradient;
    auto addStops = [&](QGradient& gradient) {
        for (size_t i = 0; i < g.stopCount; ++i) {
            const LOTGradientStop& stop = g.stopPtr[i];
            gradient.setColorAt(std::clamp<qreal>(stop.pos, 0, 1), QColor(stop.r, stop.g, stop.b, stop.a));
        }
        return QBrush(gradient);
    };
    // A gradient whose geometry is not finite (a movie may give any values) sends Qt's
    // gradient lookup out of its table; it is painted in its first colour instead.
    const std::initializer_list<float> geometry{g.start.x,  g.start.y, g.end.x,   g.end.y,   g.center.x,
                                                g.center.y, g.focal.x, g.focal.y, g.cradius, g.fradius};
    if (!std::ranges::all_of(geometry, [](float v) { return std::isfinite(v); })) {
        const LOTGradientStop first = g.stopCount > 0 ? g.stopPtr[0] : LOTGradientStop{};
        return QColor(first.r, first.g, first.b, first.a);
    }
    if (g.type == GradientLinear) {
        QLinearGradient linear(g.start.x, g.start.y, g.end.x, g.end.y);
        return addStops(linear);
    }
    QRadialGradient radial(QPointF(g.center.x, g.center.y), g.cradius, QPointF(g.focal.x, g.focal.y), g.fradius);
    return addStops(radial);
}

QPen nodePen(const LOTNode& node)
{
    const auto& stroke = node.mStroke;
    QPen pen(nodeBrush(node), stroke.width);
    pen.setCapStyle(stroke.cap == CapRound ? Qt::RoundCap : stroke.cap == CapSquare ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(stroke.join == JoinRound ? Qt::RoundJoin : stroke.join == JoinBevel ? Qt::BevelJoin : Qt::MiterJoin);
    // The movie's limit is miter length over stroke width; Qt measures from the join point.
    pen.setMiterLimit(stroke.miterLimit / 2);
    return pen;
}

bool nodeIsInvisible(const LOTNode& node)
{
    return !isImageNode(node) && node.mBrushType == BrushSolid && node.mColor.a == 0;
}

QPainterPath clipPathOf(const LOTLayerNode& layer)
{
    const auto& clip = layer.mClipPath;
    return toPath(clip.ptPtr, clip.ptCount, clip.elmPtr, clip.elmCount);
}

QPainterPath maskPathOf(const LOTMask& mask)
{
    // Mask point counts are stored as points, not floats.
    return toPath(mask.mPath.ptPtr, 2 * mask.mPath.ptCount, mask.mPath.elmPtr, mask.mPath.elmCount);
}

// Where a mask list can leave anything: only masks that add or intersect bound the result.
QRectF maskLimit(const LOTLayerNode& layer)
{
    QRectF limit;
    for (size_t i = 0; i < layer.mMaskList.size; ++i) {
        const LOTMask& mask = layer.mMaskList.ptr[i];
        if (mask.mMode != MaskAdd && mask.mMode != MaskIntersect)
            return QRectF();
        limit |= pointBounds(mask.mPath.ptPtr, 2 * mask.mPath.ptCount);
    }
    return limit;
}

// Luma mattes as the engine defines them: the luminance of the unpremultiplied colour becomes
// the coverage; fully transparent pixels stay uncovered.
void lumaToAlpha(QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* pixel = reinterpret_cast<QRgb*>(image.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x, ++pixel) {
            const int alpha = qAlpha(*pixel);
            if (alpha == 0)
                continue;
            int red = qRed(*pixel), green = qGreen(*pixel), blue = qBlue(*pixel);
            if (alpha != 255) {
                red = red * 255 / alpha;
                green = green * 255 / alpha;
                blue = blue * 255 / alpha;
            }
            const int luma = std::min(255, (red * 299 + green * 587 + blue * 114) / 1000);
            *pixel = qRgba(0, 0, 0, luma);
        }
    }
}

}  // namespace

RenderTreePainter::RenderTreePainter(QSize deviceSize) : m_deviceRect(QPoint(0, 0), deviceSize), m_canvas(m_deviceRect) {}

void RenderTreePainter::setPictures(const QList<FittedPicture>* pictures) { m_pictures = pictures; }

void RenderTreePainter::setCanvas(const QRect& canvas) { m_canvas = canvas; }

void RenderTreePainter::prepare(QPainter& painter) { painter.setRenderHints(drawingHints); }

std::vector<LayerUnit> layerUnits(const LOTLayerNode& parent)
{
    std::vector<LayerUnit> units;
    const LOTLayerNode* const* layers = parent.mLayerList.ptr;
    for (size_t i = 0; i < parent.mLayerList.size; ++i) {
        const bool matted = layers[i]->mMatte != MatteNone;
        if (matted && i + 1 >= parent.mLayerList.size)
            break;
        units.emplace_back(layers + i, matted ? 2 : 1);
        if (matted)
            ++i;
    }
    return units;
}

void RenderTreePainter::paintUnit(QPainter& painter, LayerUnit unit, bool withOwnOpacity, int depth)
{
    if (unit.size() == 2) {
        if (unit[0]->mVisible && unit[1]->mVisible)
            paintMatted(painter, *unit[0], *unit[1], depth);
    } else if (unit[0]->mVisible) {
        paintLayer(painter, *unit[0], depth, withOwnOpacity);
    }
}

bool RenderTreePainter::coversFrameOpaquely(LayerUnit unit) const
{
    if (unit.size() != 1)
        return false;
    const LOTLayerNode& layer = *unit[0];
    if (!layer.mVisible || layer.mAlpha != 255 || layer.mMaskList.size != 0 || layer.mClipPath.elmCount != 0 || layer.mLayerList.size != 0 ||
        layer.mNodeList.size != 1)
        return false;
    const LOTNode& node = *layer.mNodeList.ptr[0];
    const FittedPicture* picture = isImageNode(node) ? pictureOf(node) : nullptr;
    if (!picture || node.mImageInfo.mAlpha != 255 || picture->image.hasAlphaChannel())
        return false;
    const QPolygonF covered = imageTransform(node).map(QPolygonF(picture->placement));
    const QRectF frame = QRectF(m_deviceRect).adjusted(-1, -1, 1, 1);
    for (const QPointF& corner : {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()}) {
        if (!covered.containsPoint(corner, Qt::OddEvenFill))
            return false;
    }
    return true;
}

QRectF RenderTreePainter::unitBounds(LayerUnit unit) const { return unit.size() == 2 ? mattedBounds(*unit[0], *unit[1]) : layerBounds(*unit[0]); }

QRectF RenderTreePainter::mattedBounds(const LOTLayerNode& content, const LOTLayerNode& source) const
{
    // An inverted matte shows the content where the source is not.
    const bool inverted = content.mMatte == MatteAlphaInv || content.mMatte == MatteLumaInv;
    return inverted ? layerBounds(content) : layerBounds(content) & layerBounds(source);
}

const FittedPicture* RenderTreePainter::pictureOf(const LOTNode& node) const
{
    const int index = assetIndexOfPlaceholder(int(node.mImageInfo.width), int(node.mImageInfo.height));
    if (index < 0 || index >= m_pictures->size() || m_pictures->at(index).image.isNull())
        return nullptr;
    return &m_pictures->at(index);
}

QRectF RenderTreePainter::nodeBounds(const LOTNode& node) const
{
    if (isImageNode(node)) {
        const FittedPicture* picture = pictureOf(node);
        return picture ? imageTransform(node).mapRect(picture->placement) : QRectF();
    }
    QRectF bounds = pointBounds(node.mPath.ptPtr, node.mPath.ptCount);
    if (node.mStroke.enable) {
        const qreal reach = node.mStroke.width / 2 * (node.mStroke.join == JoinMiter ? std::max(1.0f, node.mStroke.miterLimit) : 1.0f);
        bounds.adjust(-reach, -reach, reach, reach);
    }
    return bounds;
}

qreal RenderTreePainter::paintCost(LayerUnit unit) const
{
    qreal cost = 0;
    auto visibleArea = [&](const QRectF& bounds) {
        const QRectF seen = bounds & QRectF(m_deviceRect);
        return seen.width() * seen.height();
    };
    std::function<void(const LOTLayerNode&)> addLayer = [&](const LOTLayerNode& layer) {
        if (!layer.mVisible)
            return;
        if (layer.mMaskList.size > 0 || layer.mMatte != MatteNone || (layer.mAlpha < 255 && layer.mNodeList.size + layer.mLayerList.size > 1))
            cost += visibleArea(layerBounds(layer)) * paintCosts::offscreenPerPixel;
        for (size_t i = 0; i < layer.mNodeList.size; ++i) {
            const LOTNode& node = *layer.mNodeList.ptr[i];
            const qreal perPixel = isImageNode(node)                  ? paintCosts::resamplePerPixel
                                   : node.mStroke.enable              ? paintCosts::strokePerPixel
                                   : node.mBrushType == BrushGradient ? paintCosts::gradientPerPixel
                                                                      : paintCosts::fillPerPixel;
            cost += paintCosts::perNode + visibleArea(nodeBounds(node)) * perPixel;
        }
        for (size_t i = 0; i < layer.mLayerList.size; ++i)
            addLayer(*layer.mLayerList.ptr[i]);
    };
    for (const LOTLayerNode* layer : unit)
        addLayer(*layer);
    return cost;
}

QRectF RenderTreePainter::contentBounds(const LOTLayerNode& layer) const
{
    QRectF bounds;
    for (size_t i = 0; i < layer.mNodeList.size; ++i)
        bounds |= nodeBounds(*layer.mNodeList.ptr[i]);
    for (size_t i = 0; i < layer.mLayerList.size; ++i) {
        const LOTLayerNode& child = *layer.mLayerList.ptr[i];
        if (child.mVisible)
            bounds |= layerBounds(child);
    }
    return bounds;
}

QRectF RenderTreePainter::layerBounds(const LOTLayerNode& layer) const
{
    QRectF bounds = contentBounds(layer);
    if (layer.mClipPath.elmCount > 0)
        bounds &= pointBounds(layer.mClipPath.ptPtr, layer.mClipPath.ptCount);
    if (layer.mMaskList.size > 0) {
        const QRectF limit = maskLimit(layer);
        if (!limit.isNull())
            bounds &= limit;
    }
    return bounds;
}

QRect RenderTreePainter::pixelsWithin(const QRectF& bounds, const QRect& limit)
{
    const QRectF nearLimit(limit.adjusted(-2, -2, 2, 2));
    // An undefined edge (infinity less infinity) is taken as the limit's own, so nothing is lost.
    const auto held = [](qreal v, qreal low, qreal high, qreal undefined) { return std::isnan(v) ? undefined : std::clamp(v, low, high); };
    const QRectF b = bounds.normalized();
    const qreal left = nearLimit.left(), right = nearLimit.right(), top = nearLimit.top(), bottom = nearLimit.bottom();
    const QRectF kept(QPointF(held(b.left(), left, right, left), held(b.top(), top, bottom, top)),
                      QPointF(held(b.right(), left, right, right), held(b.bottom(), top, bottom, bottom)));
    return kept.toAlignedRect().adjusted(-1, -1, 1, 1) & limit;
}

QRect RenderTreePainter::canvasArea(const QRectF& bounds) const { return pixelsWithin(bounds, m_canvas); }

QRect RenderTreePainter::pixelsOf(const QRect& area) const { return area.translated(-m_canvas.topLeft()); }

void RenderTreePainter::begin(QPainter& painter, QImage& image, const QRect& area) const
{
    painter.begin(&image);
    painter.setRenderHints(drawingHints);
    painter.translate(-m_canvas.topLeft());
    painter.setClipRect(area);
}

void RenderTreePainter::paintLayer(QPainter& painter, const LOTLayerNode& layer, int depth, bool withOwnOpacity)
{
    const int alpha = withOwnOpacity ? layer.mAlpha : 255;
    if (alpha == 0)
        return;
    const QRect area = canvasArea(layerBounds(layer));
    if (area.isEmpty())
        return;

    const bool hasClip = layer.mClipPath.elmCount > 0;
    const QRectF clipBounds = hasClip ? pointBounds(layer.mClipPath.ptPtr, layer.mClipPath.ptCount) : QRectF();
    const bool clipNeeded = hasClip && !clipBounds.contains(contentBounds(layer));
    const bool clipIsRect = clipNeeded && isAxisAlignedRect(layer.mClipPath.ptPtr, layer.mClipPath.ptCount, layer.mClipPath.elmPtr,
                                                            layer.mClipPath.elmCount, clipBounds);
    const bool clipAsMask = clipNeeded && !clipIsRect;
    const bool hasMasks = layer.mMaskList.size > 0;
    // A single drawable takes the layer's opacity directly; overlapping ones must be grouped.
    const bool singleDrawable = layer.mLayerList.size == 0 && layer.mNodeList.size <= 1;
    const qreal opacity = alpha / 255.0;

    if (!hasMasks && !clipAsMask && (alpha == 255 || singleDrawable)) {
        painter.save();
        if (clipIsRect)
            painter.setClipRect(clipBounds, Qt::IntersectClip);
        painter.setOpacity(painter.opacity() * opacity);
        paintContents(painter, layer, depth);
        painter.restore();
        return;
    }

    QImage& layerImage = scratch(depth, area);
    {
        QPainter layerPainter;
        begin(layerPainter, layerImage, area);
        if (clipIsRect)
            layerPainter.setClipRect(clipBounds, Qt::IntersectClip);
        paintContents(layerPainter, layer, depth + 1);
    }
    if (hasMasks || clipAsMask)
        applyMasks(layerImage, area, layer, clipAsMask, depth + 1);
    painter.save();
    painter.setOpacity(painter.opacity() * opacity);
    painter.drawImage(area.topLeft(), layerImage, pixelsOf(area));
    painter.restore();
}

void RenderTreePainter::paintContents(QPainter& painter, const LOTLayerNode& layer, int depth)
{
    for (size_t i = 0; i < layer.mNodeList.size; ++i) {
        const LOTNode& node = *layer.mNodeList.ptr[i];
        if (nodeIsInvisible(node))
            continue;
        if (isImageNode(node)) {
            const FittedPicture* picture = pictureOf(node);
            if (!picture || node.mImageInfo.mAlpha == 0)
                continue;
            painter.save();
            painter.setTransform(imageTransform(node), true);
            painter.setOpacity(painter.opacity() * node.mImageInfo.mAlpha / 255.0);
            painter.drawImage(picture->placement, picture->image);
            painter.restore();
            continue;
        }
        QPainterPath path = toPath(node.mPath.ptPtr, node.mPath.ptCount, node.mPath.elmPtr, node.mPath.elmCount);
        if (node.mStroke.enable) {
            painter.strokePath(path, nodePen(node));
        } else {
            path.setFillRule(node.mFillRule == FillEvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
            painter.fillPath(path, nodeBrush(node));
        }
    }

    for (const LayerUnit unit : layerUnits(layer))
        paintUnit(painter, unit, true, depth);
}

void RenderTreePainter::paintMatted(QPainter& painter, const LOTLayerNode& content, const LOTLayerNode& source, int depth)
{
    const bool inverted = content.mMatte == MatteAlphaInv || content.mMatte == MatteLumaInv;
    const bool luma = content.mMatte == MatteLuma || content.mMatte == MatteLumaInv;
    const QRect area = canvasArea(mattedBounds(content, source));
    if (area.isEmpty())
        return;

    QImage& contentImage = scratch(depth, area);
    {
        QPainter contentPainter;
        begin(contentPainter, contentImage, area);
        paintLayer(contentPainter, content, depth + 1);
    }
    QImage& sourceImage = scratch(depth + 1, area);
    {
        QPainter sourcePainter;
        begin(sourcePainter, sourceImage, area);
        paintLayer(sourcePainter, source, depth + 2);
    }
    if (luma)
        lumaToAlpha(sourceImage, pixelsOf(area));
    {
        QPainter contentPainter(&contentImage);
        contentPainter.setCompositionMode(inverted ? QPainter::CompositionMode_DestinationOut : QPainter::CompositionMode_DestinationIn);
        contentPainter.drawImage(pixelsOf(area).topLeft(), sourceImage, pixelsOf(area));
    }
    painter.drawImage(area.topLeft(), contentImage, pixelsOf(area));
}

void RenderTreePainter::applyMasks(QImage& layerImage, const QRect& area, const LOTLayerNode& layer, bool clipIsMask, int depth)
{
    QImage& coverage = scratch(depth, area);
    {
        QPainter coveragePainter;
        begin(coveragePainter, coverage, area);
        bool first = true;
        auto coverAll = [&] { coveragePainter.fillRect(area, Qt::black); };
        // Keeps the coverage only where `path` covers, outside it too (DestinationIn alone would
        // leave uncovered pixels untouched).
        auto intersect = [&](const QPainterPath& path, int alpha) {
            QImage& shape = scratch(depth + 1, area);
            {
                QPainter shapePainter;
                begin(shapePainter, shape, area);
                shapePainter.fillPath(path, QColor(0, 0, 0, alpha));
            }
            coveragePainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            coveragePainter.drawImage(area.topLeft(), shape, pixelsOf(area));
        };
        for (size_t i = 0; i < layer.mMaskList.size; ++i) {
            const LOTMask& mask = layer.mMaskList.ptr[i];
            const QPainterPath path = maskPathOf(mask);
            const QColor color(0, 0, 0, mask.mAlpha);
            switch (mask.mMode) {
            case MaskAdd:
                coveragePainter.setCompositionMode(QPainter::CompositionMode_Plus);
                coveragePainter.fillPath(path, color);
                break;
            case MaskSubstract:
                if (first)
                    coverAll();
                coveragePainter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
                coveragePainter.fillPath(path, color);
                break;
            case MaskIntersect:
                if (first)
                    coverAll();
                intersect(path, mask.mAlpha);
                break;
            case MaskDifference:
                coveragePainter.setCompositionMode(QPainter::CompositionMode_Xor);
                coveragePainter.fillPath(path, color);
                break;
            }
            coveragePainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            first = false;
        }
        if (clipIsMask) {
            if (first)
                coveragePainter.fillPath(clipPathOf(layer), Qt::black);
            else
                intersect(clipPathOf(layer), 255);
        }
    }
    QPainter layerPainter(&layerImage);
    layerPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    layerPainter.drawImage(pixelsOf(area).topLeft(), coverage, pixelsOf(area));
}

QImage& RenderTreePainter::scratch(int depth, const QRect& cleared)
{
    if (m_scratch.size() <= size_t(depth))
        m_scratch.resize(size_t(depth) + 1);
    QImage& image = m_scratch[size_t(depth)];
    if (image.width() < m_canvas.width() || image.height() < m_canvas.height())
        image = QImage(image.size().expandedTo(m_canvas.size()), QImage::Format_ARGB32_Premultiplied);
    const QRect pixels = pixelsOf(cleared);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::memset(image.scanLine(y) + pixels.left() * 4, 0, size_t(pixels.width()) * 4);
    return image;
}

}  // namespace xc
