#pragma once

#include "core/result.h"

#include <QImage>

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::cli {

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
