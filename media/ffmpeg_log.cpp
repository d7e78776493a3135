#include "media/ffmpeg_log.h"

#include <QMutex>
#include <QMutexLocker>

extern "C" {
#include <libavutil/log.h>
}

#include <cstdarg>

namespace xc {

namespace {

// A long album with a damaged song can say the same thing thousands of times.
constexpr qsizetype maximumKept = 1000;

QMutex messagesMutex;
QStringList messages;
int printPrefix = 1;

void keepMessage(void* context, int level, const char* format, va_list arguments)
{
    if (level > AV_LOG_WARNING)
        return;
    char line[1024];
    va_list copy;
    va_copy(copy, arguments);
    av_log_format_line(context, level, format, copy, line, sizeof line, &printPrefix);
    va_end(copy);
    const QString text = QString::fromUtf8(line).trimmed();
    if (text.isEmpty())
        return;
    const QMutexLocker lock(&messagesMutex);
    if (messages.size() < maximumKept)
        messages.append(text);
}

}  // namespace

void keepFfmpegMessages() { av_log_set_callback(keepMessage); }

QStringList takeFfmpegMessages()
{
    const QMutexLocker lock(&messagesMutex);
    return std::exchange(messages, {});
}

}  // namespace xc
