#pragma once

#include "media/frame_writer.h"

namespace xc {

// The MPEG program streams and the AVI file: video from the album frames, sound from the songs.
Result<std::unique_ptr<FrameWriter>> openMediaFileWriter(const OutputPlan& plan, const QStringList& songs,
                                                         bool truncateAudioToVideo);

}  // namespace xc
