#include "audio/lrc_reader.h"

#include "audio/lyrics_text_decoding.h"

#include <algorithm>
#include <array>

namespace xc {

namespace {

const std::array<QString, 4> idKeys{QStringLiteral("ti"), QStringLiteral("ar"), QStringLiteral("al"),
                                    QStringLiteral("by")};

// Bounds that keep reading linear whatever a line holds: brackets nested thousands deep would
// otherwise copy the rest of the line once per bracket. A time key is looked up by its first five
// characters and an ID tag's value is never shown, so 64 characters of a key lose nothing; no
// lyric line is 2,048 characters long, and no line carries 256 time tags.
constexpr qsizetype maximumKeyLength = 64;
constexpr qsizetype maximumTextLength = 2048;
constexpr qsizetype maximumTagsPerLine = 256;

// At most `limit` characters from `from` (0-based) up to, not including, `to`; empty when the
// range is empty.
QString between(const QString& line, qsizetype from, qsizetype to, qsizetype limit)
{
    return to > from ? line.mid(from, std::min(to - from, limit)) : QString();
}

// Tags of one line that does not end with "]", scanned from its second-to-last character
// leftwards. The n-th "[" found pairs with the n-th "]" found; a "[" with no "]" left to pair with
// is lyric text.
void appendLineTags(const QString& line, QList<LrcLine>& tags)
{
    QList<qsizetype> closings;
    QList<qsizetype> openings;
    for (qsizetype p = line.size() - 2; p >= 0; --p) {
        const QChar c = line.at(p);
        if (c == QLatin1Char(']')) {
            closings << p;
            continue;
        }
        if (c != QLatin1Char('['))
            continue;
        const qsizetype k = openings.size();
        if (k >= closings.size())
            continue;
        if (k >= maximumTagsPerLine)
            break;
        const qsizetype closing = closings.at(k);
        QString text;
        if (k == 0)
            text = between(line, closing + 1, line.size(), maximumTextLength);
        else if (closings.last() == openings.last() - 1)
            text = tags.last().text;  // adjacent tags share the text after the last of them
        else
            text = between(line, closing + 1, openings.last(), maximumTextLength);
        tags << LrcLine{between(line, p + 1, closing, maximumKeyLength), text};
        openings << p;
    }
}

}  // namespace

QList<LrcLine> parseLrcLines(const QStringList& lines)
{
    QStringList bracketEnded;
    QList<LrcLine> tags;
    for (const QString& line : lines) {
        if (line.endsWith(QLatin1Char(']')))
            bracketEnded << line;
        else if (!line.isEmpty())
            appendLineTags(line, tags);
    }

    // An ID tag followed by text is kept as the bare tag; its text is dropped.
    for (const QString& id : idKeys) {
        for (qsizetype i = 0; i < tags.size();) {
            if (tags.at(i).key.startsWith(id)) {
                bracketEnded << QLatin1Char('[') + tags.at(i).key + QLatin1Char(']');
                tags.removeAt(i);
            } else {
                ++i;
            }
        }
    }

    // Of the lines that end with "]" only ID tags are kept, "[ti:Sweet]" giving ("ti", "Sweet").
    for (const QString& line : bracketEnded) {
        const QString id = line.mid(1, 2);
        if (std::find(idKeys.begin(), idKeys.end(), id) != idKeys.end())
            tags << LrcLine{id, between(line, 4, line.size() - 1, maximumTextLength)};
    }

    QList<LrcLine> table{LrcLine{QStringLiteral("00:00"), QString()}};
    table << tags;
    return table;
}

Result<QList<LrcLine>> readLrcFile(const QString& path) { return readLyricsFile(path, parseLrcLines); }

std::optional<QString> findLrcLine(const QList<LrcLine>& table, const QString& songTimeKey)
{
    for (const LrcLine& line : table) {
        if (line.key.startsWith(songTimeKey, Qt::CaseInsensitive))
            return line.text;
    }
    return std::nullopt;
}

Status LrcTimedLines::parse(const QString& path)
{
    m_lines.clear();
    Result<QList<LrcLine>> read = readLrcFile(path);
    if (!read.ok())
        return Status::failure(read.error());
    m_lines = std::move(read.value());
    return Status::success();
}

}  // namespace xc
