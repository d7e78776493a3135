#pragma once

#include "core/result.h"
#include "media/conversion_output_plan.h"

#include <QImage>
#include <QStringList>

#include <memory>

namespace xc {

// Writes album frames, one at a time, into one output of a plan. Used by one thread at a time;
// samplesWritten may be read from another.
class FrameWriter {
public:
    virtual ~FrameWriter() = default;

    // Adds the next album frame (any size; scaled to the output picture).
    virtual Status writeFrame(const QImage& frame) = 0;

    // Completes the output: the encoders' last packets, the rest of the sound (unless the video
    // was stopped early or the sound is cut at the end of the video), the file's closing data.
    virtual Status finish(bool stoppedEarly) = 0;

    // Sound samples written so far, at the output rate.
    virtual qint64 samplesWritten() const = 0;
};

// Opens the output of plan; songs are joined into its sound (ignored for pictures).
Result<std::unique_ptr<FrameWriter>> openFrameWriter(const OutputPlan& plan, const QStringList& songs,
                                                     bool truncateAudioToVideo);

}  // namespace xc
