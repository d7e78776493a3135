// The song-length reader (FFmpeg's demuxers and the frame scan of MP3 files without a header).
#include "fuzz/fuzz_support.h"
#include "media/ffmpeg_log.h"
#include "media/song_pcm_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool quiet = [] {
        xc::keepFfmpegMessages();
        return true;
    }();
    (void)quiet;
    xc::measureSongLengthMs(xc::fuzz::writeScratch(QStringLiteral("song.mp3"), data, size));
    xc::takeFfmpegMessages();
    return 0;
}
