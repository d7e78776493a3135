#pragma once

#include "core/result.h"

namespace xc {

struct AlbumModel;
class Progress;
class RandomSource;

// Batch sizes that choose the fitting rule: up to 4 photos one single-photo template each, up
// to 11 templates of one or two photos, from 12 on any template.
inline constexpr int smallBatchLimit = 4;
inline constexpr int mediumBatchLimit = 11;

// The message when a draw finds no template for photos of an orientation.
QString noTemplateMessage(const QString& orientation);

// Gives every staging row a template instance and slot, drawn at random among the templates of
// its orientation, and appends the rows to the photo table with thumbDone and cropDone
// "jiancai_no". The group counter advances by the number of new instances; progress by one
// step per photo. When a draw meets an empty pool the batch is left out: the photo table, the
// group counter and the pools stay as they were.
Status fitBatch(AlbumModel& model, Progress& progress, RandomSource& random);

}  // namespace xc
