#pragma once

#include "core/result.h"
#include "media/conversion_library.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace xc::bench {

struct EncoderRate {
    qint64 frames = 0;
    double seconds = 0;
    double framesPerSecond() const { return seconds > 0 ? frames / seconds : 0; }
};

// The output settings of an album render to "DVD", PAL, high quality: 1920 x 1080.
void configureDvdAlbum(ConversionLibrary& library, const QString& outputPath);

// Photo-like 1920 x 1080 pictures (soft gradients, edges, detail) that move from one to the next.
std::vector<QImage> movingTestPictures(int count);

// Encodes `frames` ready-made 1920 x 1080 frames, taking `pictures` in turn, with the conversion
// library, so the frame hand-over costs nothing: the rate of the encoder alone. `configure` sets
// the output (by default configureDvdAlbum).
Result<EncoderRate> measureEncoderRate(const std::vector<QImage>& pictures, int frames, const QString& outputPath,
                                       const std::function<void(ConversionLibrary&)>& configure = {});

}  // namespace xc::bench
