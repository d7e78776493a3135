#include "audio/ksc_reader.h"

#include "audio/lyrics_text_decoding.h"
#include "audio/song_time_key.h"

#include <cmath>
#include <optional>

namespace xc {

namespace {

const QString statementStart = QStringLiteral("karaoke.add");
constexpr QChar quote = QLatin1Char('\'');

// The quoted fields of a statement: odd quotes open a field, even quotes close it.
QStringList quotedFields(const QString& statement)
{
    QStringList fields;
    qsizetype opening = -1;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        if (statement.at(i) != quote)
            continue;
        if (opening < 0) {
            opening = i;
        } else {
            fields << statement.mid(opening + 1, i - opening - 1);
            opening = -1;
        }
    }
    return fields;
}

// Whole seconds of "mm:ss…" (the fraction ignored); nothing when the text does not start so.
std::optional<int> secondsOf(const QString& time)
{
    if (time.size() < 5 || time.at(2) != QLatin1Char(':'))
        return std::nullopt;
    for (const int i : {0, 1, 3, 4}) {
        if (!time.at(i).isDigit() || time.at(i).unicode() > 0x7F)
            return std::nullopt;
    }
    return 60 * time.left(2).toInt() + time.mid(3, 2).toInt();
}

QList<int> framesOfTiming(const QString& timing)
{
    QList<int> frames;
    for (const QString& entry : timing.split(QLatin1Char(','))) {
        bool ok = false;
        const int ms = entry.trimmed().toInt(&ok);
        frames << (ok && ms > 0 ? karaokeFramesOfMs(ms) : 0);
    }
    return frames;
}

// One character of a line: a surrogate pair counts as one.
qsizetype characterLength(const QString& text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

}  // namespace

int karaokeFramesOfMs(int ms)
{
    // The extended precision matters: some exact halves (180 ms, 660 ms, 980 ms) land just above
    // the half in this arithmetic and round up.
    const long double frames = (static_cast<long double>(ms) / 1000.0L) / 0.04L;
    return static_cast<int>(std::nearbyint(frames));
}

QStringList karaokeGroupTexts(const QString& text)
{
    QStringList groups;
    bool inBracket = false;
    QString bracketed;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        const QString character = text.mid(i, length);
        i += length;
        if (character == QLatin1String("[")) {
            if (inBracket)
                groups << bracketed;
            bracketed.clear();
            inBracket = true;
        } else if (character == QLatin1String("]")) {
            if (inBracket)
                groups << bracketed;
            bracketed.clear();
            inBracket = false;
        } else if (inBracket) {
            bracketed += character;
        } else {
            groups << character;
        }
    }
    if (inBracket)
        groups << bracketed;
    return groups;
}

QList<KaraokeLine> parseKaraokeScript(const QStringList& lines)
{
    QList<KaraokeLine> script;
    for (const QString& raw : lines) {
        if (!raw.startsWith(statementStart))
            continue;
        const QStringList fields = quotedFields(raw);
        if (fields.size() < 4)
            continue;
        const std::optional<int> startSeconds = secondsOf(fields.at(0));
        const std::optional<int> endSeconds = secondsOf(fields.at(1));
        if (!startSeconds || !endSeconds)
            continue;

        KaraokeLine line;
        line.start = fields.at(0);
        line.end = fields.at(1);
        line.text = fields.at(2);
        line.timing = fields.at(3);
        line.appearKey = songTimeKey(*startSeconds - 1);
        line.hideKey = songTimeKey(*endSeconds + 1);
        line.scrollKey = line.start.left(5);
        line.slot = script.size() % 2 == 0 ? karaokeSlotA : karaokeSlotB;
        line.timingFrames = framesOfTiming(line.timing);
        const QStringList texts = karaokeGroupTexts(line.text);
        for (qsizetype j = 0; j < texts.size(); ++j)
            line.groups << KaraokeGroup{texts.at(j), int(line.timingFrames.value(j, 0)), 0, 0, 0};
        script << line;
    }
    return script;
}

Result<QList<KaraokeLine>> readKaraokeScript(const QString& path) { return readLyricsFile(path, parseKaraokeScript); }

}  // namespace xc
