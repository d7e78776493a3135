#pragma once

#include "media/conversion_output_plan.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

namespace xc {

// What the progress callback reports; the numbers are the status codes of the progress log.
enum class ConversionStatus { ProcessingTime = 0, Preparing = 1, ReducingColors = 2, Frame = 3, Multiplexing = 4 };

struct ConversionProgress {
    int status = 0;  // a ConversionStatus value
    qint64 frame = 0;
    qint64 sample = 0;
    int percent = 0;
    double elapsedSeconds = 0;
    double remainingSeconds = 0;
};

// The progress log line of a report, e.g. "Frame: 25, Sample: 44100, Time Left: 00:01:10".
QString conversionProgressText(const ConversionProgress& progress);
// A duration as the progress log shows it: "hh:mm:ss".
QString conversionTimeText(double seconds);

enum class ConversionOutcome { Completed, Aborted, Failed, NothingToConvert };

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::NothingToConvert;
    qint64 albumFrames = 0;  // frames handed over by the video function
    qint64 samples = 0;      // sound samples written, at the output rate
    QString error;
    bool ok() const { return outcome == ConversionOutcome::Completed; }
};

// The media conversion library: takes a frame budget (the video list, one entry per album frame
// at 25 frames per second) and a song list, and writes the output chosen by the preset or by
// the output file's extension: MPEG program streams (VCD, SVCD, DVD presets), an AVI file
// (".avi") or numbered pictures ("…/01.JPG", BMP, TGA, PCX).
//
// Every callback runs on the thread that called convert, inside that call; frames are encoded on
// a second thread meanwhile. Not copyable; one conversion at a time.
class ConversionLibrary {
public:
    enum class ListKind { FrameFile = 8, AudioFile = 16 };

    // The name of the index-th entry, or nothing when the list has ended.
    using Source = std::function<std::optional<QString>(int index)>;
    // Fills frame with album frame index (any size; 1920 x 1080 ARGB32 or RGB32 is the cheapest).
    // The image is kept until it is encoded, so hand over an implicitly shared copy of your
    // canvas ("frame = canvas") and paint the next frame into the canvas. A frame left null is
    // read from the file named by the video source.
    using VideoFunction = std::function<void(int index, const QString& name, QImage& frame)>;
    // Told once per song entry, before the conversion starts.
    using AudioFunction = std::function<void(int index, const QString& name)>;
    using ProgressFunction = std::function<void(const ConversionProgress& progress)>;
    using ErrorFunction = std::function<void(const QString& errorText)>;

    ConversionLibrary();
    ~ConversionLibrary();
    ConversionLibrary(const ConversionLibrary&) = delete;
    ConversionLibrary& operator=(const ConversionLibrary&) = delete;

    // Callbacks. Without a source the library reads its own lists.
    void setVideoSource(Source source) { m_videoSource = std::move(source); }
    void setVideoFunction(VideoFunction function) { m_videoFunction = std::move(function); }
    void setAudioSource(Source source) { m_audioSource = std::move(source); }
    void setAudioFunction(AudioFunction function) { m_audioFunction = std::move(function); }
    void setProgressFunction(ProgressFunction function) { m_progressFunction = std::move(function); }
    void setErrorFunction(ErrorFunction function) { m_errorFunction = std::move(function); }

    // The two lists.
    void addToList(ListKind kind, const QString& name);
    void clearList(ListKind kind);
    const QStringList& list(ListKind kind) const;
    // Entries of the video list: the frame budget.
    qint64 frameCount() const;
    // Samples the audio list's songs decode to, at the output rate in force (44,100 Hz, 48,000 Hz
    // for the DVD preset). A song that cannot be decoded counts 0; convert then reports it.
    qint64 sampleCount() const;

    // Output format.
    void setFormatPreset(FormatPreset preset, TvSystem system);
    // The TV system of outputs without a preset (AVI): PAL 25, NTSC 30000/1001 frames per second.
    void setTvSystem(TvSystem system) { m_settings.tvSystem = system; }
    // NTSC with keep-duration repeats frames so the video lasts as long as the album at 25 fps.
    void setKeepDuration(bool on) { m_settings.keepDuration = on; }
    void setTruncateAudioToVideo(bool on) { m_settings.truncateAudioToVideo = on; }
    // Sound before the songs (an intro's own sound, or silence under it).
    void setAudioLeadIn(const AudioLeadIn& leadIn) { m_settings.leadIn = leadIn; }
    // The frame format caps the picture size; bits describes the frames (32: ARGB32).
    void setVideoFormat(int width, int height, int bits);
    // The size the user chose; the picture takes it, capped by the frame format.
    void setOutputSize(int width, int height) { m_settings.outputSize = QSize(width, height); }
    void setVideoBitRate(int upperKbps, int lowerKbps, int peakKbps);
    void setVideoFileName(const QString& path) { m_settings.videoFileName = path; }
    // The sound goes into the video file; this name must be that file's or empty.
    void setAudioFileName(const QString& path) { m_settings.audioFileName = path; }

    // Runs the whole conversion; returns when it is done, has failed or was aborted. The output
    // file is complete and closed in every case it was opened.
    ConversionResult convert();
    // Stops a running conversion; safe from inside any callback.
    void abort() { m_abortRequested.store(true); }

    bool hasError() const { return !m_errorText.isEmpty(); }
    const QString& errorText() const { return m_errorText; }

private:
    std::optional<QString> entry(ListKind kind, const Source& source, int index) const;
    QStringList collectSongs();
    void report(ConversionStatus status, qint64 frame, qint64 sample, int percent, double elapsed, double remaining);
    ConversionResult fail(ConversionResult result, const QString& error);

    ConversionSettings m_settings;
    QStringList m_videoList;
    QStringList m_audioList;
    Source m_videoSource;
    VideoFunction m_videoFunction;
    Source m_audioSource;
    AudioFunction m_audioFunction;
    ProgressFunction m_progressFunction;
    ErrorFunction m_errorFunction;
    std::atomic<bool> m_abortRequested{false};
    QString m_errorText;
};

}  // namespace xc
