#pragma once

#include <QImage>
#include <QSize>

namespace xc {

// Resamples a picture to `size` with a triangle filter that widens with the reduction (an
// antialiased bilinear filter): large reductions average every source pixel they cover, so
// fine detail turns grey instead of aliasing; enlargements interpolate bilinearly.
// Only the top-left `visible` part of the resampled picture is computed and returned (the whole
// picture when `visible` is empty), for callers that cut the rest off anyway.
QImage resampled(const QImage& source, QSize size, QSize visible = {});

}  // namespace xc
