#include "media/layer_geometry.h"

#include "media/render_tree_path.h"

#include <rlottiecommon.h>

#include <QHashFunctions>

#include <algorithm>
#include <cmath>

namespace xc {

namespace {

// How far a point may stray from the map and still count as the same drawing, in pixels.
constexpr qreal pointTolerance = 0.02;

class GeometryBuilder {
public:
    explicit GeometryBuilder(bool fadeTogether) : m_fadeTogether(fadeTogether) {}

    void addLayer(const LOTLayerNode& layer, bool withOwnAlpha = true)
    {
        mixValue(layer.mVisible);
        if (!layer.mVisible)
            return;
        if (withOwnAlpha)
            mixValue(layer.mAlpha);
        mixValue(layer.mMatte);
        addPath(layer.mClipPath.ptPtr, layer.mClipPath.ptCount, layer.mClipPath.elmPtr, layer.mClipPath.elmCount);
        mixValue(layer.mMaskList.size);
        for (size_t i = 0; i < layer.mMaskList.size; ++i) {
            const LOTMask& mask = layer.mMaskList.ptr[i];
            mixValue(mask.mMode);
            mixValue(mask.mAlpha);
            addPath(mask.mPath.ptPtr, 2 * mask.mPath.ptCount, mask.mPath.elmPtr, mask.mPath.elmCount);
        }
        mixValue(layer.mNodeList.size);
        for (size_t i = 0; i < layer.mNodeList.size; ++i)
            addNode(*layer.mNodeList.ptr[i]);
        mixValue(layer.mLayerList.size);
        for (size_t i = 0; i < layer.mLayerList.size; ++i)
            addLayer(*layer.mLayerList.ptr[i]);
    }

    LayerGeometry take() { return std::move(m_geometry); }

private:
    template <typename T>
    void mixValue(const T& value)
    {
        m_geometry.shape = qHashBits(&value, sizeof value, size_t(m_geometry.shape));
    }

    void addPoint(float x, float y) { m_geometry.points.emplace_back(x, y); }

    void addAlpha(unsigned char alpha)
    {
        if (m_fadeTogether)
            m_geometry.alphas.push_back(alpha);
        else
            mixValue(alpha);
    }

    void addColour(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha)
    {
        const unsigned char channels[] = {red, green, blue};
        mixValue(channels);
        addAlpha(alpha);
    }

    void addPath(const float* points, size_t floatBound, const char* elements, size_t elementCount)
    {
        mixValue(elementCount);
        if (elementCount == 0)
            return;
        m_geometry.shape = qHashBits(elements, elementCount, size_t(m_geometry.shape));
        const size_t floats = floatsUsed(elements, elementCount, floatBound);
        for (size_t i = 0; i + 1 < floats; i += 2)
            addPoint(points[i], points[i + 1]);
    }

    void addNode(const LOTNode& node)
    {
        if (node.mImageInfo.data) {
            m_geometry.hasImages = true;
            return;
        }
        addPath(node.mPath.ptPtr, node.mPath.ptCount, node.mPath.elmPtr, node.mPath.elmCount);
        mixValue(node.mBrushType);
        mixValue(node.mFillRule);
        mixValue(node.mStroke.enable);
        if (node.mStroke.enable) {
            mixValue(node.mStroke.cap);
            mixValue(node.mStroke.join);
            mixValue(node.mStroke.miterLimit);
            m_geometry.lengths.push_back(node.mStroke.width);
        }
        if (node.mBrushType == BrushSolid) {
            addColour(node.mColor.r, node.mColor.g, node.mColor.b, node.mColor.a);
            return;
        }
        const auto& gradient = node.mGradient;
        mixValue(gradient.type);
        mixValue(gradient.stopCount);
        for (size_t i = 0; i < gradient.stopCount; ++i) {
            const LOTGradientStop& stop = gradient.stopPtr[i];
            mixValue(stop.pos);
            addColour(stop.r, stop.g, stop.b, stop.a);
        }
        if (gradient.type == GradientLinear) {
            addPoint(gradient.start.x, gradient.start.y);
            addPoint(gradient.end.x, gradient.end.y);
        } else {
            addPoint(gradient.center.x, gradient.center.y);
            addPoint(gradient.focal.x, gradient.focal.y);
            m_geometry.lengths.push_back(gradient.cradius);
            m_geometry.lengths.push_back(gradient.fradius);
        }
    }

    bool m_fadeTogether;
    LayerGeometry m_geometry;
};

qreal cross(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

}  // namespace

LayerGeometry geometryOf(std::span<const LOTLayerNode* const> layers, bool fadeTogether)
{
    GeometryBuilder builder(fadeTogether);
    for (size_t i = 0; i < layers.size(); ++i)
        builder.addLayer(*layers[i], !fadeTogether || i > 0);
    return builder.take();
}

namespace {

// The common factor of the alphas; alphas are whole numbers, so each may be one off.
std::optional<qreal> fadeBetween(const std::vector<int>& from, const std::vector<int>& to)
{
    const auto strongest = std::max_element(from.begin(), from.end());
    if (strongest == from.end() || *strongest == 0)
        return to == from ? std::optional<qreal>(1) : std::nullopt;
    const qreal factor = qreal(to[size_t(strongest - from.begin())]) / *strongest;
    for (size_t i = 0; i < from.size(); ++i) {
        if (std::abs(to[i] - from[i] * factor) > 1)
            return std::nullopt;
    }
    return factor;
}

std::optional<QTransform> moveBetween(const LayerGeometry& from, const LayerGeometry& to)
{
    const std::vector<QPointF>& p = from.points;
    const std::vector<QPointF>& q = to.points;
    auto follows = [&](const QTransform& map) {
        for (size_t i = 0; i < p.size(); ++i) {
            const QPointF miss = map.map(p[i]) - q[i];
            if (QPointF::dotProduct(miss, miss) > pointTolerance * pointTolerance)
                return false;
        }
        return true;
    };

    // Unchanged comes out as the exact identity, so that it is drawn without resampling.
    QTransform map;
    if (!follows(map) && !p.empty()) {
        // Three far-apart anchors fix the map; every other point must follow it.
        size_t far = 0, wide = 0;
        for (size_t i = 1; i < p.size(); ++i) {
            if (QPointF::dotProduct(p[i] - p[0], p[i] - p[0]) > QPointF::dotProduct(p[far] - p[0], p[far] - p[0]))
                far = i;
        }
        for (size_t i = 1; i < p.size(); ++i) {
            if (std::abs(cross(p[far] - p[0], p[i] - p[0])) > std::abs(cross(p[far] - p[0], p[wide] - p[0])))
                wide = i;
        }
        const QPointF a = p[far] - p[0], b = p[wide] - p[0];
        const qreal determinant = cross(a, b);
        if (std::abs(determinant) > 1e-3) {
            const QPointF qa = q[far] - q[0], qb = q[wide] - q[0];
            // Linear part L with L·a = qa and L·b = qb.
            const qreal m11 = (qa.x() * b.y() - qb.x() * a.y()) / determinant;
            const qreal m21 = (qb.x() * a.x() - qa.x() * b.x()) / determinant;
            const qreal m12 = (qa.y() * b.y() - qb.y() * a.y()) / determinant;
            const qreal m22 = (qb.y() * a.x() - qa.y() * b.x()) / determinant;
            const QPointF shift = q[0] - QPointF(m11 * p[0].x() + m21 * p[0].y(), m12 * p[0].x() + m22 * p[0].y());
            map = QTransform(m11, m12, m21, m22, shift.x(), shift.y());
        }
        // Degenerate point sets only match themselves.
        if (!follows(map))
            return std::nullopt;
    }
    const qreal scale = std::sqrt(std::abs(map.determinant()));
    for (size_t i = 0; i < from.lengths.size(); ++i) {
        const qreal expected = from.lengths[i] * scale;
        if (std::abs(to.lengths[i] - expected) > 0.01 * expected + pointTolerance)
            return std::nullopt;
    }
    return map;
}

}  // namespace

std::optional<LayerMatch> matchBetween(const LayerGeometry& from, const LayerGeometry& to)
{
    if (from.shape != to.shape || from.points.size() != to.points.size() || from.lengths.size() != to.lengths.size() ||
        from.alphas.size() != to.alphas.size())
        return std::nullopt;
    const std::optional<qreal> fade = fadeBetween(from.alphas, to.alphas);
    if (!fade)
        return std::nullopt;
    const std::optional<QTransform> move = moveBetween(from, to);
    if (!move)
        return std::nullopt;
    return LayerMatch{*move, *fade};
}

}  // namespace xc
