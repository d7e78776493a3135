#pragma once

#include "core/result.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace xc {

// What the album needs to know of an intro video before it renders it.
struct IntroVideoInfo {
    qint64 albumFrames = 0;  // its length at the album's 25 frames a second
    QSize size;              // its picture as shown (sample aspect applied)
    bool hasSound = false;
};

// Reads any video FFmpeg reads (AVI, MP4, MOV, MKV, MPG …). Fails with a notice naming the file
// when it cannot be opened, has no picture or no length.
Result<IntroVideoInfo> probeIntroVideo(const QString& path);

// Plays an intro video into album frames: frame n shows the picture on screen at n / 25 s,
// scaled into the canvas with its aspect kept, on black. Past its end the last picture stays.
class IntroVideoReader {
public:
    static Result<std::unique_ptr<IntroVideoReader>> open(const QString& path, QSize canvas);
    ~IntroVideoReader();
    IntroVideoReader(const IntroVideoReader&) = delete;
    IntroVideoReader& operator=(const IntroVideoReader&) = delete;

    // The next album frame's picture (frames are read in order).
    const QImage& nextFrame();

private:
    struct State;
    explicit IntroVideoReader(std::unique_ptr<State> state);
    std::unique_ptr<State> d;
};

}  // namespace xc
