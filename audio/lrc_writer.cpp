#include "audio/lrc_writer.h"

#include "audio/lyrics_text_decoding.h"
#include "audio/song_time_key.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace xc {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

QString tagLine(const QString& key, const QString& value)
{
    return QLatin1Char('[') + key + QLatin1Char(':') + value + QLatin1Char(']') + lineEnd;
}

// Half-width brackets in a lyric would be read back as tags (or drop the line when it ends with one).
QString lyricText(QString text)
{
    return text.replace(QLatin1Char('['), QChar(0xFF3B)).replace(QLatin1Char(']'), QChar(0xFF3D));
}

bool isIdTag(const QString& tag)
{
    static const QRegularExpression id(QStringLiteral("^[A-Za-z#]+:"));
    return id.match(tag).hasMatch();
}

}  // namespace

qsizetype LyricTimingSheet::unstampedCount() const
{
    return std::count_if(lines.begin(), lines.end(), [](const TimedLyricLine& line) { return !line.timeMs; });
}

QString lrcTimeTag(qint64 ms)
{
    ms = std::max<qint64>(ms, 0);
    return twoDigits(ms / 60000) + QLatin1Char(':') + twoDigits(ms / 1000 % 60) + QLatin1Char('.') + twoDigits(ms / 10 % 100);
}

std::optional<qint64> parseLrcTimeTag(const QString& tag)
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,3}):(\\d{1,2})(?:[.:](\\d{1,3}))?$"));
    const QRegularExpressionMatch match = time.match(tag.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 seconds = match.captured(2).toLongLong();
    if (seconds >= 60)
        return std::nullopt;
    qint64 ms = match.captured(1).toLongLong() * 60000 + seconds * 1000;
    if (const QString fraction = match.captured(3); !fraction.isEmpty())
        ms += fraction.leftJustified(3, QLatin1Char('0')).toLongLong();
    return ms;
}

QString formatLrc(const LyricTimingSheet& sheet)
{
    QString text;
    if (!sheet.title.isEmpty())
        text += tagLine(QStringLiteral("ti"), sheet.title);
    for (const LrcLine& tag : sheet.tags)
        text += tagLine(tag.key, tag.text);
    QList<TimedLyricLine> timed;
    for (const TimedLyricLine& line : sheet.lines)
        if (line.timeMs)
            timed << line;
    std::stable_sort(timed.begin(), timed.end(), [](const TimedLyricLine& a, const TimedLyricLine& b) { return *a.timeMs < *b.timeMs; });
    for (const TimedLyricLine& line : timed)
        text += QLatin1Char('[') + lrcTimeTag(*line.timeMs) + QLatin1Char(']') + lyricText(line.text) + lineEnd;
    return text;
}

Status writeLrcFile(const QString& path, const LyricTimingSheet& sheet)
{
    QSaveFile file(path);
    const QByteArray bytes = formatLrc(sheet).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Status::failure(QStringLiteral("无法保存歌词文件：%1（%2）").arg(path, file.errorString()));
    }
    return Status::success();
}

LyricTimingSheet sheetFromText(const QStringList& lines)
{
    LyricTimingSheet sheet;
    for (const QString& line : lines)
        if (const QString text = line.trimmed(); !text.isEmpty())
            sheet.lines << TimedLyricLine{text, std::nullopt};
    return sheet;
}

Result<LyricTimingSheet> sheetFromLrc(const QStringList& lines)
{
    LyricTimingSheet sheet;
    bool allTimed = true;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        QList<qint64> times;
        qsizetype pos = 0;
        bool idLine = false;
        while (pos < line.size() && line.at(pos) == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'), pos);
            if (close < 0)
                break;
            const QString tag = line.mid(pos + 1, close - pos - 1);
            if (const std::optional<qint64> time = parseLrcTimeTag(tag)) {
                times << *time;
                pos = close + 1;
                continue;
            }
            if (times.isEmpty() && isIdTag(tag)) {
                const qsizetype colon = tag.indexOf(QLatin1Char(':'));
                const QString key = tag.left(colon).toLower();
                const QString value = tag.mid(colon + 1).trimmed();
                if (key == QLatin1String("ti"))
                    sheet.title = value;
                else
                    sheet.tags << LrcLine{key, value};
                idLine = true;
                break;
            }
            if (!tag.isEmpty() && tag.at(0).isDigit()) {
                return Result<LyricTimingSheet>::failure(
                    QStringLiteral("第%1行的时间标签“[%2]”无法识别").arg(n + 1).arg(tag));
            }
            break;  // a bracketed word such as "[Chorus]" is part of the lyric
        }
        if (idLine)
            continue;
        const QString text = line.mid(pos).trimmed();
        if (times.isEmpty()) {
            if (!text.isEmpty()) {
                sheet.lines << TimedLyricLine{text, std::nullopt};
                allTimed = false;
            }
            continue;
        }
        for (const qint64 time : times)
            sheet.lines << TimedLyricLine{text, time};
    }
    if (allTimed) {
        std::stable_sort(sheet.lines.begin(), sheet.lines.end(),
                         [](const TimedLyricLine& a, const TimedLyricLine& b) { return *a.timeMs < *b.timeMs; });
    }
    return Result<LyricTimingSheet>::success(sheet);
}

Result<LyricTimingSheet> readLyricsForTiming(const QString& path)
{
    using SheetResult = Result<LyricTimingSheet>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SheetResult::failure(QStringLiteral("无法读取歌词文件：%1（%2）").arg(path, file.errorString()));
    const QString text = decodeLyricsText(file.readAll());
    if (text.contains(QChar(0)))
        return SheetResult::failure(QStringLiteral("不是文本文件，无法作为歌词读取：%1").arg(path));
    const bool isLrc = QFileInfo(path).suffix().compare(QLatin1String("lrc"), Qt::CaseInsensitive) == 0;
    SheetResult sheet = isLrc ? sheetFromLrc(splitTextLines(text)) : SheetResult::success(sheetFromText(splitTextLines(text)));
    if (!sheet.ok())
        return SheetResult::failure(QStringLiteral("歌词文件格式有误：%1（%2）").arg(path, sheet.error()));
    if (sheet.value().lines.isEmpty())
        return SheetResult::failure(QStringLiteral("歌词文件中没有歌词行：%1").arg(path));
    return sheet;
}

}  // namespace xc
