#pragma once

#include "core/result.h"

#include <QString>

#include <memory>

namespace xc {

// The one audio player of the program: open a song by file name, play, stop, close, and query
// its length, position and whether it is stopped. Songs are decoded with FFmpeg and played on the
// default audio device. Without an audio device the position follows the wall clock, so previews
// and the karaoke manager still run in time.
//
// Lives on the thread of the event loop; playback is fed from a timer of that loop.
class AudioPlayer {
public:
    AudioPlayer();
    ~AudioPlayer();
    AudioPlayer(const AudioPlayer&) = delete;
    AudioPlayer& operator=(const AudioPlayer&) = delete;

    // Opens a song, stopped at position 0 (a song already open is closed first). Fails with a
    // notice naming the file when it cannot be opened or measured; the player is then closed.
    Status open(const QString& path);
    void close();
    bool isOpen() const;
    QString fileName() const;

    // Plays from the current position; a song that has played to its end starts again.
    void play();
    // Stops where it is; play() continues from there.
    void stop();

    qint64 lengthMs() const;
    // The position in milliseconds; once the song has played to its end the player is stopped
    // and the position equals the length.
    qint64 positionMs();
    bool isStopped();
    // True while the song plays on an audio device (false: the position follows the wall clock).
    bool hasAudioDevice() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace xc
