#pragma once

#include "audio/karaoke_style.h"
#include "audio/ksc_reader.h"
#include "core/result.h"

namespace xc {

// Measures every group in the measuring font (width, cumulative width, pixels per frame: width ÷
// frames rounded half to even) and sets each line's processed text: its group texts joined and
// converted to the style's script. A group of 0 frames gets its whole width as its pace, so the
// highlight passes it at once.
void measureKaraokeLines(QList<KaraokeLine>& lines, const KaraokeStyle& style);

// Load script: reads, parses and measures a script for a style. Fails only when the file cannot
// be read.
Result<QList<KaraokeLine>> loadKaraokeScript(const QString& path, const KaraokeStyle& style);

}  // namespace xc
