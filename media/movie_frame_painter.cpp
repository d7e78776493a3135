#include "media/movie_frame_painter.h"

#include <rlottiecommon.h>

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace xc {

namespace {

// A remembered image is redrawn resampled only this close to the size it was made at.
constexpr qreal closestScale = 0.9;
constexpr qreal farthestScale = 1.1;

// Units reaching this far beyond the frame on each side (as a share of its size) are remembered
// only as far as that.
constexpr double reachBeyondFrame = 0.25;

// Whether the move stretches no direction beyond the limits: both singular values of its linear
// part lie within them.
bool keepsScale(const QTransform& move)
{
    const qreal a = move.m11(), b = move.m12(), c = move.m21(), d = move.m22();
    const qreal sum = a * a + b * b + c * c + d * d, determinant = a * d - b * c;
    const qreal spread = std::sqrt(std::max<qreal>(0, sum * sum - 4 * determinant * determinant));
    const qreal largest = std::sqrt((sum + spread) / 2), smallest = std::sqrt(std::max<qreal>(0, (sum - spread) / 2));
    return smallest > closestScale && largest < farthestScale;
}

}  // namespace

MovieFramePainter::MovieFramePainter(QSize deviceSize) : m_treePainter(deviceSize) {}

void MovieFramePainter::paint(QPainter& painter, const LOTLayerNode& root, const QList<FittedPicture>& pictures)
{
    m_treePainter.setPictures(&pictures);
    painter.save();
    RenderTreePainter::prepare(painter);
    const bool plainRoot = root.mAlpha == 255 && root.mMaskList.size == 0 && root.mClipPath.elmCount == 0 && root.mNodeList.size == 0;
    if (!plainRoot) {
        m_treePainter.paintLayer(painter, root);
    } else {
        const std::vector<LayerUnit> units = layerUnits(root);
        if (m_remembered.size() != units.size())
            m_remembered = std::vector<RememberedUnit>(units.size());
        size_t first = units.size();
        while (first > 0 && !m_treePainter.coversFrameOpaquely(units[first - 1]))
            --first;
        for (size_t i = first > 0 ? first - 1 : 0; i < units.size(); ++i)
            paintUnit(painter, units[i], m_remembered[i]);
    }
    painter.restore();
    m_treePainter.setPictures(nullptr);
}

void MovieFramePainter::paintUnit(QPainter& painter, LayerUnit unit, RememberedUnit& remembered)
{
    const bool single = unit.size() == 1;
    LayerGeometry geometry = geometryOf(unit, single);
    if (geometry.hasImages) {
        // A picture is one filtered draw; remembering it would only add a second one.
        remembered = RememberedUnit();
        m_treePainter.paintUnit(painter, unit);
        return;
    }

    const qreal ownOpacity = single ? unit[0]->mAlpha / 255.0 : 1.0;
    auto draw = [&](const LayerMatch& match) {
        painter.save();
        painter.setOpacity(painter.opacity() * match.opacity * ownOpacity);
        painter.setTransform(QTransform::fromTranslate(remembered.origin.x(), remembered.origin.y()) * match.move, true);
        painter.drawImage(QPointF(0, 0), remembered.raster);
        painter.restore();
    };
    // Drawing the remembered image must beat painting afresh.
    const qreal paintCost = m_treePainter.paintCost(unit);
    auto drawCost = [&](const QTransform& move, QSizeF size) {
        return size.width() * size.height() * (move.isIdentity() ? paintCosts::blendPerPixel : paintCosts::resamplePerPixel);
    };
    if (!remembered.raster.isNull()) {
        const std::optional<LayerMatch> match = matchBetween(remembered.rasterGeometry, geometry);
        const bool closeEnough = match && (match->move.isIdentity() || (remembered.complete && keepsScale(match->move)));
        // Made at least as opaque as now, so that fading never brings out rounding.
        if (closeEnough && match->opacity <= 1 && drawCost(match->move, remembered.raster.size()) < paintCost) {
            draw(*match);
            remembered.lastSeen = std::move(geometry);
            return;
        }
    }
    // Unchanged, faded or moved as a whole since the last frame: likely to go on so.
    const std::optional<LayerMatch> sinceLastFrame = matchBetween(remembered.lastSeen, geometry);
    // In floating point: a movie may place a unit anywhere, and a far-off one simply costs too much.
    const QSizeF expectedSize = m_treePainter.unitBounds(unit).size();
    if (sinceLastFrame && drawCost(sinceLastFrame->move, expectedSize) < paintCost && makeRaster(remembered, unit, !single)) {
        remembered.rasterGeometry = geometry;
        draw(LayerMatch{});
    } else {
        m_treePainter.paintUnit(painter, unit);
    }
    remembered.lastSeen = std::move(geometry);
}

bool MovieFramePainter::makeRaster(RememberedUnit& remembered, LayerUnit unit, bool withOwnOpacity)
{
    const QRect device = m_treePainter.deviceRect();
    const int reachX = int(device.width() * reachBeyondFrame), reachY = int(device.height() * reachBeyondFrame);
    const QRect reach = device.adjusted(-reachX, -reachY, reachX, reachY);
    const QRectF bounds = m_treePainter.unitBounds(unit);
    const QRect area = RenderTreePainter::pixelsWithin(bounds, reach);
    if (!area.intersects(device))
        return false;
    if (remembered.raster.size() != area.size())
        remembered.raster = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    remembered.raster.fill(Qt::transparent);
    remembered.origin = area.topLeft();
    // Whole when a reach one pixel wider finds no more of it.
    remembered.complete = area == RenderTreePainter::pixelsWithin(bounds, reach.adjusted(-1, -1, 1, 1));

    QPainter rasterPainter(&remembered.raster);
    RenderTreePainter::prepare(rasterPainter);
    rasterPainter.translate(-area.topLeft());
    m_treePainter.setCanvas(area);
    m_treePainter.paintUnit(rasterPainter, unit, withOwnOpacity);
    m_treePainter.setCanvas(device);
    return true;
}

}  // namespace xc
