#pragma once

#include "core/result.h"

#include <QString>

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::cli {

// A page of the installed templates for a web browser, self-contained and readable offline:
// `folder`/index.html lists the templates by class (landscape, portrait, advanced, closing) as
// cards with a picture of each, played with the sample photos, beside it as NN_name.jpg.
// `model` must hold the classified catalogue.
Status writeTemplatePage(const AlbumModel& model, const Workspace& workspace, const QString& folder);

}  // namespace xc::cli
