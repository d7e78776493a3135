#pragma once

#include "core/result.h"

#include <QString>

namespace xc {

struct AlbumModel;
struct AlbumSettings;
class Progress;
class Workspace;

// The decoded closing-template movie, "…/tp_wjj_zuihou/w_j_zuihou" + ext1.
QString closingMoviePath(const Workspace& workspace, const AlbumSettings& settings);

// Decodes the template movie of every new photo row (thumbDone "jiancai_no") into its instance
// folder as "w_j_" + n + ext1. With the materialise switch "kai" the template work area is wiped
// first and the switch turns "guan". Every decode takes a fresh value of the decode counter for
// its intermediate file names. Advances the progress by one step.
Status materialiseTemplates(AlbumModel& model, const Workspace& workspace, Progress& progress);

// Decodes the closing template into its own folder of the work area.
Status materialiseClosingTemplate(const Workspace& workspace, const AlbumSettings& settings);

}  // namespace xc
