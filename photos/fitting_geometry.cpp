#include "photos/fitting_geometry.h"

#include "core/keywords.h"

namespace xc {

namespace {

// Products first, then division truncating towards zero.
int scaledBy(qint64 a, qint64 b, qint64 c) { return int(a * b / c); }

FitGeometry coverSlot(qint64 w, qint64 h, QSize slot)
{
    const qint64 W = slot.width(), H = slot.height();
    QSize scaled;
    if (h <= w) {
        scaled = {scaledBy(H, w, h), int(H)};
        if (scaled.width() < W)
            scaled = {int(W), scaledBy(W, h, w)};
    } else {
        scaled = {int(W), scaledBy(W, h, w)};
        if (scaled.height() < H)
            scaled = {scaledBy(H, w, h), int(H)};
    }
    return {scaled, slot};
}

FitGeometry landscapeFullScreen(qint64 w, qint64 h)
{
    return {{screenWidth, scaledBy(screenWidth, h, w)}, {screenWidth, screenHeight}};
}

FitGeometry landscapeWhole(qint64 w, qint64 h)
{
    QSize scaled(screenWidth, scaledBy(screenWidth, h, w));
    if (scaled.height() > screenHeight)
        scaled = {scaledBy(screenHeight, w, h), screenHeight};
    return {scaled, scaled};
}

FitGeometry portraitPartialZoom(qint64 w, qint64 h)
{
    const qint64 h0 = screenHeight, w0 = h0 * w / h;
    const qint64 enlarged = h0 + h0 / 3;
    const QSize scaled(scaledBy(enlarged, w0, h0), int(enlarged));
    return {scaled, {scaled.width(), screenHeight}};
}

FitGeometry portraitWhole(qint64 w, qint64 h)
{
    QSize scaled(scaledBy(screenHeight, w, h), screenHeight);
    if (scaled.width() > screenWidth)
        scaled = {screenWidth, scaledBy(screenWidth, h, w)};
    return {scaled, scaled};
}

}  // namespace

FitGeometry fitGeometry(QSize photo, QSize slot, const QString& landscapeCrop, const QString& portraitCrop)
{
    const qint64 w = std::max(1, photo.width()), h = std::max(1, photo.height());
    if (slot.width() > 0 && slot.height() > 0)
        return coverSlot(w, h, slot);
    if (h <= w)
        return landscapeCrop == kw::landscapeCropTemplate ? landscapeWhole(w, h) : landscapeFullScreen(w, h);
    return portraitCrop == kw::portraitCropTemplate ? portraitWhole(w, h) : portraitPartialZoom(w, h);
}

FitGeometry replacementFitGeometry(QSize photo, QSize slot)
{
    return fitGeometry(photo, slot, kw::landscapeCropTemplate, kw::portraitCropTemplate);
}

QSize slotSizeOf(const QString& slotWidth, const QString& slotHeight)
{
    return {slotWidth.trimmed().toInt(), slotHeight.trimmed().toInt()};
}

}  // namespace xc
