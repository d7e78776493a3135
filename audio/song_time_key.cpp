#include "audio/song_time_key.h"

namespace xc {

QString twoDigits(qint64 value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString songTimeKey(qint64 seconds)
{
    qint64 minutes = seconds / 60;
    const qint64 rest = seconds - 60 * minutes;
    while (minutes > 60)
        minutes -= 60;
    return twoDigits(minutes) + QLatin1Char(':') + twoDigits(rest);
}

QString songTimeKeyOfFrames(qint64 frames) { return songTimeKey(frames / albumFramesPerSecond); }

QString songTimeKeyOfMs(qint64 ms) { return songTimeKey(ms / 1000); }

QString hoursTimeText(qint64 ms)
{
    return twoDigits(ms / 3600000) + QLatin1Char(':') + twoDigits(ms / 60000 % 60) + QLatin1Char(':') + twoDigits(ms / 1000 % 60);
}

}  // namespace xc
