#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace xc {

// One row of the timed-line table: the text that stood between the brackets of a tag
// ("00:12.34", or an ID key "ti", "ar", "al", "by") and its lyric text or ID value.
struct LrcLine {
    QString key;
    QString text;
    bool operator==(const LrcLine&) const = default;
};

// The timed-line table of decoded LRC lines: a leading row ("00:00", empty text), one row per
// time tag in line order (several tags of one line taken from right to left), then one row per ID
// tag. Lines are keyed by their tag text; nothing is sorted, no offset is applied. Malformed text
// never fails: a "[" with no "]" after it is lyric text.
QList<LrcLine> parseLrcLines(const QStringList& lines);

// Reads and parses an LRC file; fails only when it cannot be read.
Result<QList<LrcLine>> readLrcFile(const QString& path);

// Find line: the text of the first row whose key begins with the song time key ("mm:ss"),
// letter case ignored; nothing when no row matches.
std::optional<QString> findLrcLine(const QList<LrcLine>& table, const QString& songTimeKey);

// The program's one timed-line table: the render and both previews show the lines of the file
// parsed last.
class LrcTimedLines {
public:
    // Replaces the table; when the file cannot be read the table is left empty.
    Status parse(const QString& path);
    void clear() { m_lines.clear(); }
    std::optional<QString> find(const QString& songTimeKey) const { return findLrcLine(m_lines, songTimeKey); }
    const QList<LrcLine>& lines() const { return m_lines; }

private:
    QList<LrcLine> m_lines;
};

}  // namespace xc
