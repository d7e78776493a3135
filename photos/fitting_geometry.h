#pragma once

#include <QSize>
#include <QString>

namespace xc {

// Slots without a fixed size are fitted into a full screen of this size.
inline constexpr int screenWidth = 1920;
inline constexpr int screenHeight = 1080;

// How a photo is fitted to its slot: scaled to `scaled` and drawn with its top-left corner at
// the origin of a black canvas of `canvas` pixels; what lies outside the canvas is cut off.
struct FitGeometry {
    QSize scaled;
    QSize canvas;
    bool operator==(const FitGeometry&) const = default;
};

// The fitting rules for a photo of `photo` pixels (as shown) and a slot of `slot` pixels. A slot
// with a 0 in either dimension has no fixed size and follows the crop settings (landscape: full
// screen or template default; portrait: partial zoom or template default). Whole-number
// arithmetic, products first.
FitGeometry fitGeometry(QSize photo, QSize slot, const QString& landscapeCrop, const QString& portraitCrop);

// A replacement photo ignores the crop settings: without a slot size it is always fitted whole.
FitGeometry replacementFitGeometry(QSize photo, QSize slot);

// A slot size as the photo record holds it; texts that are not numbers count as 0.
QSize slotSizeOf(const QString& slotWidth, const QString& slotHeight);

}  // namespace xc
