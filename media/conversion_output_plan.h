#pragma once

#include "core/result.h"

#include <QSize>
#include <QString>

#include <optional>

namespace xc {

// Presets of the disc formats, numbered as the encoder run hands them over.
enum class FormatPreset { Vcd = 0, Svcd = 1, Dvd = 2 };
enum class TvSystem { Pal = 0, Ntsc = 1 };

// The three numbers the encoder run passes as the bit rate, read as limits in kbit/s on what
// the picture size asks for: the average rate stays within [lowerKbps, upperKbps] and the
// peak rate at or below peakKbps.
struct BitRateLimits {
    int upperKbps = 0;
    int lowerKbps = 0;
    int peakKbps = 0;
};

// What the caller configured on the conversion library.
// Sound that plays before the songs for an exact number of album frames (25 a second): the
// sound of a file (cut or padded with silence to that length), or silence without a file.
struct AudioLeadIn {
    QString path;
    qint64 albumFrames = 0;
};

struct ConversionSettings {
    std::optional<FormatPreset> preset;
    TvSystem tvSystem = TvSystem::Pal;
    bool keepDuration = true;
    bool truncateAudioToVideo = false;
    QSize frameFormat;  // the cap on the picture size; empty when not set
    int frameBits = 32;
    QSize outputSize;  // the size the user chose; empty when not set
    std::optional<BitRateLimits> bitRateLimits;
    QString videoFileName;
    QString audioFileName;
    AudioLeadIn leadIn;
};

enum class OutputKind { Vcd, Svcd, Dvd, Avi, Mp4, PictureSequence };

struct VideoStreamPlan {
    QString codecName;
    QString codecTag;  // FourCC for AVI; empty for the codec's own
    QSize size;
    int frameRateNum = 25;
    int frameRateDen = 1;
    bool repeatFramesToKeepDuration = false;
    int gopSize = 15;
    int maxBFrames = 0;
    qint64 bitRate = 0;
    qint64 maxRate = 0;
    qint64 minRate = 0;
    qint64 bufferSize = 0;
    int sampleAspectNum = 1;
    int sampleAspectDen = 1;
    bool scanOffset = false;
    // Encoders that take a speed preset and a constant quality instead of a bit rate (H.264).
    QString encoderPreset;
    QString x264Params;  // extra settings of the H.264 encoder
    int constantRateFactor = 0;
    int threads = 1;
};

struct AudioStreamPlan {
    QString codecName;
    int sampleRate = 44100;
    qint64 bitRate = 0;
};

struct MuxPlan {
    QString formatName;
    int packetSize = 0;    // 0: the muxer's default
    qint64 muxRate = 0;    // bit/s; 0: derived from the streams
    qint64 preloadUs = 0;  // 0: the muxer's default
    qint64 maxDelayUs = 700000;
    QString movFlags;      // MP4: "+faststart" puts the index first so the file streams
};

// Numbered pictures: <folder>/<prefix><number padded to digits>.<extension>, from firstNumber on.
struct PictureSequencePlan {
    QString folder;
    QString prefix;
    QString extension;  // as given, e.g. "JPG"
    QString codecName;
    int firstNumber = 1;
    int digits = 2;

    QString fileName(qint64 index) const;
};

struct OutputPlan {
    OutputKind kind = OutputKind::Dvd;
    QString fileName;
    VideoStreamPlan video;
    AudioStreamPlan audio;
    MuxPlan mux;
    PictureSequencePlan pictures;
    AudioLeadIn leadIn;

    bool hasAudioStream() const { return kind != OutputKind::PictureSequence; }
};

// The album canvas the frames are composed on; its shape is the display shape of every output.
inline constexpr QSize kAlbumCanvas{1920, 1080};

// The DVD-Video picture sizes: a DVD file of one of them is written for the disc (the DVD
// muxer's navigation packs, the disc's buffer and rates, the size's own TV system).
inline constexpr QSize dvdVideoPal{720, 576};
inline constexpr QSize dvdVideoNtsc{720, 480};

// The sound's sample rate: 48,000 Hz for the DVD preset and MP4 files, 44,100 Hz for the others.
int outputSampleRate(const ConversionSettings& settings);

// The picture size rule: the chosen size capped by the frame format, made even for 4:2:0.
QSize outputPictureSize(const ConversionSettings& settings);

// Turns the settings into the streams and container to write, or says why it cannot.
Result<OutputPlan> planOutput(const ConversionSettings& settings);

}  // namespace xc
