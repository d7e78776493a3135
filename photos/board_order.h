#pragma once

#include <QtGlobal>

namespace xc {

struct AlbumModel;
class Workspace;

// The drop of one board tile onto another: photo rows `a` and `b` (0-based) exchange all their
// columns, so each photo takes its template, group, slot and flags along. The template groups
// are then renumbered in order of their first photo (folders and movie files follow), the board
// thumbnails are renamed to follow their photos, and the rows are numbered 1 … N again.
// With a == b only the renumbering runs, which leaves every number and name as it was.
void exchangePhotos(AlbumModel& model, const Workspace& workspace, qsizetype a, qsizetype b);

}  // namespace xc
