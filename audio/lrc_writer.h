#pragma once

#include "audio/lrc_reader.h"
#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace xc {

// One lyric line being timed: its text and, once stamped, its time from the song's start.
struct TimedLyricLine {
    QString text;
    std::optional<qint64> timeMs;
    bool operator==(const TimedLyricLine&) const = default;
};

// The lyrics the LRC maker works on: the title ([ti:]), the other ID tags of an imported LRC
// (kept so that saving a copy loses nothing), and the lines in the order they are sung.
struct LyricTimingSheet {
    QString title;
    QList<LrcLine> tags;  // key without brackets ("ar", "offset"), value
    QList<TimedLyricLine> lines;

    qsizetype unstampedCount() const;
    bool operator==(const LyricTimingSheet&) const = default;
};

// "mm:ss.xx" of a time; hundredths are cut, not rounded, so a line never moves into the next
// second (the reader finds lines by whole seconds). Negative times count as 0.
QString lrcTimeTag(qint64 ms);
// The time of a tag "m:ss", "mm:ss.x", "mm:ss.xx", "mm:ss.xxx" or "mm:ss:xx"; nothing when the
// text is not a time or its seconds are 60 or more.
std::optional<qint64> parseLrcTimeTag(const QString& tag);

// The LRC text: the title and ID tags, then one "[mm:ss.xx]text" line per stamped line sorted by
// time (lines of one time keep their order), CR LF line ends. Unstamped lines are left out.
// Square brackets inside a lyric become full-width ones: the reader would take them for tags.
QString formatLrc(const LyricTimingSheet& sheet);

// Writes the LRC text as UTF-8 in one step: a file that cannot be written is left as it was and
// the notice names it.
Status writeLrcFile(const QString& path, const LyricTimingSheet& sheet);

// Lines of a plain text: one lyric per non-blank line, trimmed, none timed.
LyricTimingSheet sheetFromText(const QStringList& lines);
// Lines of an LRC for timing again: every time tag of a line gives one timed line (sorted by time
// when every line is timed), untagged lyric lines stay untimed, ID tags are kept. Fails with the
// line number when a tag that starts like a time is not one.
Result<LyricTimingSheet> sheetFromLrc(const QStringList& lines);

// Reads a .lrc (by its extension) or any other text file as lyrics to time, in every encoding the
// lyrics decoder knows. Fails with a notice naming the file when it cannot be read, is not text,
// is malformed or holds no lyric line.
Result<LyricTimingSheet> readLyricsForTiming(const QString& path);

}  // namespace xc
