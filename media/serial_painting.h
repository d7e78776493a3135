#pragma once

#include <functional>

namespace xc {

// Runs `paint` so that Qt's raster engine draws every span on the running thread.
//
// Qt splits each large fill (gradients, transformed pictures, big rectangles) into tasks on the
// global thread pool unless it already runs on one of the pool's threads. A template frame is
// made of many such fills; handing their spans to other threads and waiting for them costs more
// than drawing them: a frame took twice the CPU time, and during a render the encoder needs the
// other cores. So the painting runs on a pool thread, where Qt draws serially, while the caller
// waits; called from a pool thread, it simply runs.
void paintSerially(const std::function<void()>& paint);

}  // namespace xc
