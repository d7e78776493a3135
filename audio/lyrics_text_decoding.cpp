#include "audio/lyrics_text_decoding.h"

#include <QFile>
#include <QStringDecoder>

namespace xc {

QString decodeLyricsText(const QByteArray& bytes)
{
    // QStringDecoder skips the byte-order mark it was created for.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringDecoder::Utf8).decode(bytes);
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        return asUtf8;
    QStringDecoder gb18030("GB18030");
    if (!gb18030.isValid())
        return asUtf8;
    return gb18030.decode(bytes);
}

QStringList splitTextLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

Result<QStringList> readLyricsTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QStringList>::failure(QStringLiteral("无法读取歌词文件：%1（%2）").arg(path, file.errorString()));
    return Result<QStringList>::success(splitTextLines(decodeLyricsText(file.readAll())));
}

}  // namespace xc
