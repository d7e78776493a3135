#pragma once

namespace xc {

struct AlbumModel;
class Workspace;

// Gives the template instances of the photo table the numbers 1 … K in the order of their first
// photo and moves their working folders (and the movie file inside) along. Sets every row's
// thumbDone to "jiancai_yes" and renumbers the sequence column. Does not touch the group counter.
void renumberInstances(AlbumModel& model, const Workspace& workspace);

}  // namespace xc
