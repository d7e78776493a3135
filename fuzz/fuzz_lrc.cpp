// The LRC reader: any bytes, decoded as a lyrics file is, read into the timed-line table, and a
// line looked up.
#include "audio/lrc_reader.h"
#include "audio/lyrics_text_decoding.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<xc::LrcLine> table = xc::parseLrcLines(xc::splitTextLines(xc::decodeLyricsText(xc::fuzz::bytesOf(data, size))));
    xc::findLrcLine(table, QStringLiteral("00:01"));
    return 0;
}
