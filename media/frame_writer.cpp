#include "media/frame_writer.h"

#include "media/media_file_writer.h"
#include "media/picture_sequence_writer.h"

namespace xc {

Result<std::unique_ptr<FrameWriter>> openFrameWriter(const OutputPlan& plan, const QStringList& songs,
                                                     bool truncateAudioToVideo)
{
    if (plan.kind == OutputKind::PictureSequence)
        return openPictureSequenceWriter(plan);
    return openMediaFileWriter(plan, songs, truncateAudioToVideo);
}

}  // namespace xc
