#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace xc {

// The exact length of a song file in milliseconds. Lengths a container only estimates from its
// bit rate (an MP3 without a Xing/Info or VBRI header) are replaced by the sum of the lengths of
// all audio frames, so variable bit-rate songs measure exactly too. Fails with a notice naming the
// file when it cannot be opened, holds no audio or has no length.
Result<qint64> measureSongLengthMs(const QString& path);

// Decodes one song file into interleaved 16-bit PCM at a chosen rate and channel count.
class SongPcmDecoder {
public:
    static Result<std::unique_ptr<SongPcmDecoder>> open(const QString& path, int sampleRate, int channels);
    ~SongPcmDecoder();
    SongPcmDecoder(const SongPcmDecoder&) = delete;
    SongPcmDecoder& operator=(const SongPcmDecoder&) = delete;


    // Appends decoded samples to `pcm` until it holds at least `minBytes` or the song ends.
    // Returns false once the song has ended (the samples up to the end are appended).
    // Frames the decoder rejects as damaged are skipped.
    bool decodeInto(QByteArray& pcm, qsizetype minBytes);

private:
    struct State;
    explicit SongPcmDecoder(std::unique_ptr<State> state);
    std::unique_ptr<State> d;
};

}  // namespace xc
