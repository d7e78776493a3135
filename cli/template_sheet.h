#pragma once

#include "core/result.h"

#include <QImage>
#include <QPoint>
#include <QSize>

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::cli {

// Where the sheet puts things, for whoever reads the picture.
namespace sheet {
inline constexpr int columnCount = 5;  // 0, 25, 50, 75 and 100 % of the frames
inline constexpr QSize cellSize(384, 216);
inline constexpr int gap = 8;
inline constexpr int labelWidth = 340;
inline constexpr int headerHeight = 34;

// The top-left corner of the frame cell of `row` (0-based, templates first, the closing last).
constexpr QPoint cellOrigin(int row, int column)
{
    return QPoint(gap + labelWidth + column * (cellSize.width() + gap), headerHeight + row * (cellSize.height() + gap));
}
}  // namespace sheet

// A contact sheet of the shipped templates: one row per catalogue template, then the closing
// template, each with its name, class and slots at the left and its frames at 0, 25, 50, 75 and
// 100 % beside them. Every movie is played by the real template player from a temporary folder
// laid out as a materialised template. The slots hold the sample photos of the data tree, fitted
// as an import fits them (landscape samples in landscape slots, portrait ones in portrait slots,
// the two taking turns in slots of either orientation). The first template starts from the
// album's start picture and every later one from the last frame of the row above, as templates
// follow each other in an album. A movie that fails is shown as a row with its message.
// `model` must hold the classified catalogue.
Result<QImage> renderTemplateSheet(const AlbumModel& model, const Workspace& workspace);

}  // namespace xc::cli
