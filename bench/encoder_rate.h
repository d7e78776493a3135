#pragma once

#include "core/result.h"

#include <QImage>
#include <QString>

#include <vector>

namespace xc {
struct AlbumPlan;
}

namespace xc::bench {

struct EncoderRate {
    qint64 frames = 0;
    double seconds = 0;
    double framesPerSecond() const { return seconds > 0 ? frames / seconds : 0; }
};

// Photo-like 1920 x 1080 pictures (soft gradients, edges, detail) that move from one to the next.
std::vector<QImage> movingTestPictures(int count);

// Encodes the plan's frame budget of ready-made frames, taking `pictures` in turn, set up exactly
// as a render of the plan to `kind` ("DVD" or "MP4"), PAL, high quality at 1920 x 1080 (its songs
// included), so the frame hand-over costs nothing: the rate of the encoder alone.
Result<EncoderRate> measureEncoderRate(const std::vector<QImage>& pictures, const AlbumPlan& plan, const QString& outputPath,
                                       const QString& kind);

}  // namespace xc::bench
