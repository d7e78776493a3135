#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace xc {

// Lyrics and karaoke files come from many editors: a byte-order mark decides the encoding when
// there is one (UTF-8, UTF-16 LE or BE), else the text is UTF-8 when its bytes are valid UTF-8,
// else GB18030 (a superset of GBK, the usual encoding of these files).
QString decodeLyricsText(const QByteArray& bytes);

// Splits text at CR LF, LF or a lone CR; a final line end does not add an empty line.
QStringList splitTextLines(const QString& text);

// Reads a lyrics or karaoke file as decoded lines. Fails only when the file cannot be read.
Result<QStringList> readLyricsTextLines(const QString& path);

// Reads a lyrics or karaoke file and parses its decoded lines.
template <typename Parse>
auto readLyricsFile(const QString& path, Parse parse) -> Result<decltype(parse(QStringList()))>
{
    using Parsed = decltype(parse(QStringList()));
    const Result<QStringList> lines = readLyricsTextLines(path);
    if (!lines.ok())
        return Result<Parsed>::failure(lines.error());
    return Result<Parsed>::success(parse(lines.value()));
}

}  // namespace xc
