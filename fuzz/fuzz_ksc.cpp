// The KSC reader and its statement parser: any bytes, decoded as a lyrics file is, read into
// karaoke lines and measured with the default karaoke style.
#include "audio/karaoke_script.h"
#include "audio/karaoke_style.h"
#include "audio/lyric_styles.h"
#include "audio/lyrics_text_decoding.h"
#include "core/records.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    xc::fuzz::startGuiApplication();
    static const xc::KaraokeStyle style = [] {
        xc::KaraokeStyleRecord row;
        xc::applyDefaultKaraokeStyle(row);
        return xc::karaokeStyleFor(row, QSize(1920, 1080));
    }();
    QList<xc::KaraokeLine> lines =
        xc::parseKaraokeScript(xc::splitTextLines(xc::decodeLyricsText(xc::fuzz::bytesOf(data, size))));
    xc::measureKaraokeLines(lines, style);
    return 0;
}
