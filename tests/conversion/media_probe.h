#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace xc::test {

// What a written file holds, read back with libavformat and fully decoded.
struct ProbedStream {
    QString kind;  // "video" or "audio"
    QString codec;
    int width = 0;
    int height = 0;
    int frameRateNum = 0;
    int frameRateDen = 0;
    int sampleRate = 0;
    int channels = 0;
    qint64 decodedFrames = 0;   // video pictures
    qint64 decodedSamples = 0;  // audio samples per channel
    double audioSeconds() const { return sampleRate > 0 ? double(decodedSamples) / sampleRate : 0; }
};

struct ProbedFile {
    bool opened = false;
    std::vector<ProbedStream> streams;
    QStringList messages;  // FFmpeg warnings and errors while probing and decoding

    const ProbedStream* stream(const QString& kind) const;
};

ProbedFile probeFile(const QString& path);

// Collects FFmpeg's warnings and errors while it lives (e.g. during an encode). Captures nest:
// the innermost one collects.
class FfmpegLogCapture {
public:
    FfmpegLogCapture();
    ~FfmpegLogCapture();
    FfmpegLogCapture(const FfmpegLogCapture&) = delete;
    FfmpegLogCapture& operator=(const FfmpegLogCapture&) = delete;
    QStringList messages() const;

private:
    QStringList m_messages;
    QStringList* m_previous = nullptr;
};

}  // namespace xc::test
