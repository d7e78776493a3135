#pragma once

#include <QString>

namespace xc {

// The album clock: every album time runs at 25 frames per second, PAL or NTSC.
inline constexpr int albumFramesPerSecond = 25;

// A number below 10 with a leading "0".
QString twoDigits(qint64 value);

// The song time key "mm:ss" of a moment S seconds into a song. Minutes above 60 wrap (the hours
// are dropped: 3,600 s gives "60:00", 3,660 s gives "01:00"); each part below 10 gets a leading
// "0". Negative moments keep their sign inside the part ("00:0-1" for −1 s), so they never equal
// a key of the song clock.
QString songTimeKey(qint64 seconds);

// The key of a frame count at 25 frames per second (whole seconds, truncated toward zero).
QString songTimeKeyOfFrames(qint64 frames);

// The key of a player position in milliseconds.
QString songTimeKeyOfMs(qint64 ms);

// "hh:mm:ss" of a player position, as the karaoke manager shows its times.
QString hoursTimeText(qint64 ms);

}  // namespace xc
