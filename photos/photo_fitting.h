#pragma once

#include "core/result.h"
#include "photos/fitting_geometry.h"

#include <QImage>
#include <QString>

namespace xc {

struct AlbumModel;
struct AlbumSettings;
struct PhotoRecord;
class Workspace;

// Quality of the fitted JPEG pictures handed to the template movies.
inline constexpr int fittedJpegQuality = 90;

// The fitting of a photo row after an import: its recorded size, its slot and the crop settings.
FitGeometry importFitGeometry(const PhotoRecord& row, const AlbumSettings& settings);

// Where a row's fitted picture goes: its instance folder + slotName + ext2.
QString fittedPhotoPath(const Workspace& workspace, const AlbumSettings& settings, const PhotoRecord& row);

// The scratch bitmap the canvas passes through: "t_p_1" + ext3 after an import, "t_p_1.bmp" for
// a replacement photo.
QString importScratchPath(const Workspace& workspace, const AlbumSettings& settings);
QString replacementScratchPath(const Workspace& workspace);

// Writes a fitted canvas as a baseline JPEG of quality 90.
Status writeFittedPhoto(const QImage& canvas, const QString& path);

// Writes the canvas as the scratch bitmap.
Status writeScratchBitmap(const QImage& canvas, const QString& path);

enum class WithBoardThumbnail { No, Yes };

// Fits a replacement photo file into the slot of photo row `row` (whose place it takes): the slot
// size rules, or without slot size the whole photo within 1920 × 1080 whatever the crop
// settings; the canvas passes through "t_p_1.bmp" into the row's slot picture. The row's
// cropDone is left as it is; the photo file is only read. Returns the photo's framed board
// thumbnail, made from the same decode, when asked for (else a null image). Nothing is written
// when the photo cannot be decoded.
Result<QImage> fitReplacementPhoto(const AlbumModel& model, const Workspace& workspace, const QString& photoPath, qsizetype row,
                                   WithBoardThumbnail thumbnail = WithBoardThumbnail::No);

}  // namespace xc
