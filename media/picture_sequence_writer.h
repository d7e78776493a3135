#pragma once

#include "media/frame_writer.h"

namespace xc {

// Numbered pictures, one per album frame, in the plan's folder.
Result<std::unique_ptr<FrameWriter>> openPictureSequenceWriter(const OutputPlan& plan);

}  // namespace xc
