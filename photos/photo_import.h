#pragma once

#include "core/result.h"

#include <QStringList>

namespace xc {

struct AlbumModel;
class Progress;
class RandomSource;
class Workspace;

// The import of a batch of photo files ("添加相片"), everything but its window:
// probing every file into the staging table, automatic template fitting, materialisation of the
// new template instances and (when missing) of the closing template, the board thumbnails, the
// fitting of every new photo into its slot, and the renumbered photo table; the board returns to
// tile view.
//
// Progress: the total is set to 4 × n; the import advances it by 3 × n + 1 (fitting n,
// materialisation 1, thumbnails n, fitted photos n). Filling the rest, and the pause before
// closing, belong to the import window.
//
// Every file is probed and decoded before the album changes: a file that cannot be read or
// decoded, or a batch that finds no template, ends the import with a message naming the cause,
// and the photo table, the group counter, the thumbnails and the template work area stay as they
// were. The photo files are only read.
Status importPhotos(AlbumModel& model, const Workspace& workspace, const QStringList& files, Progress& progress,
                    RandomSource& random);

}  // namespace xc
