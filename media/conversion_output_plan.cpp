#include "media/conversion_output_plan.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace xc {

namespace {

constexpr qint64 kCanvasArea = qint64(1920) * 1080;
constexpr qint64 kVcdCapArea = qint64(1280) * 720;
// MPEG-2 main profile buffers: main level (the disc standards) up to high level.
constexpr qint64 kMainLevelBuffer = 1835008;
constexpr qint64 kHighLevelBuffer = 9781248;

qint64 scaledRate(qint64 rateAtReference, qint64 referenceArea, QSize size, qint64 floor)
{
    return std::max(floor, rateAtReference * size.width() * size.height() / referenceArea);
}

// The caller's limits bound what the picture size asks for.
void applyLimits(VideoStreamPlan& video, const std::optional<BitRateLimits>& limits)
{
    if (!limits)
        return;
    if (limits->lowerKbps > 0)
        video.bitRate = std::max(video.bitRate, qint64(limits->lowerKbps) * 1000);
    if (limits->upperKbps > 0)
        video.bitRate = std::min(video.bitRate, qint64(limits->upperKbps) * 1000);
    if (video.maxRate > 0) {
        if (limits->peakKbps > 0)
            video.maxRate = std::min(video.maxRate, qint64(limits->peakKbps) * 1000);
        video.maxRate = std::max(video.maxRate, video.bitRate);
    }
}

void setDisplayShape(VideoStreamPlan& video)
{
    // Every picture shows the whole canvas, so its display shape is the canvas's.
    const qint64 num = qint64(kAlbumCanvas.width()) * video.size.height();
    const qint64 den = qint64(kAlbumCanvas.height()) * video.size.width();
    const qint64 divisor = std::gcd(num, den);
    video.sampleAspectNum = int(num / divisor);
    video.sampleAspectDen = int(den / divisor);
}

bool isDvdVideoSize(QSize size) { return size == dvdVideoPal || size == dvdVideoNtsc; }

void planDiscVideo(OutputPlan& plan, const ConversionSettings& settings, bool ntsc)
{
    VideoStreamPlan& video = plan.video;
    video.gopSize = ntsc ? 18 : 15;
    switch (plan.kind) {
    case OutputKind::Vcd:
        video.codecName = QStringLiteral("mpeg1video");
        video.bitRate = scaledRate(6000000, kVcdCapArea, video.size, 1150000);
        applyLimits(video, settings.bitRateLimits);
        // Constant rate as on the disc; the buffer holds the same time as the standard's.
        video.maxRate = video.minRate = video.bitRate;
        video.bufferSize = 327680 * video.bitRate / 1150000;
        plan.audio = {QStringLiteral("mp2"), 44100, 224000};
        plan.mux.formatName = QStringLiteral("vcd");
        plan.mux.packetSize = 2324;
        plan.mux.preloadUs = 440000;
        // The standard's fixed rate only carries the standard's streams.
        plan.mux.muxRate = video.bitRate <= 1150000 ? 1411200 : 0;
        break;
    case OutputKind::Svcd:
        video.codecName = QStringLiteral("mpeg2video");
        video.bitRate = scaledRate(10000000, kCanvasArea, video.size, 2040000);
        video.maxRate = scaledRate(15000000, kCanvasArea, video.size, 2516000);
        applyLimits(video, settings.bitRateLimits);
        video.bufferSize = std::clamp(video.maxRate / 2, kMainLevelBuffer, kHighLevelBuffer);
        video.scanOffset = true;
        plan.audio = {QStringLiteral("mp2"), 44100, 224000};
        plan.mux.formatName = QStringLiteral("svcd");
        plan.mux.packetSize = 2324;
        break;
    default:
        video.codecName = QStringLiteral("mpeg2video");
        video.bitRate = scaledRate(15000000, kCanvasArea, video.size, 6000000);
        video.maxRate = scaledRate(20000000, kCanvasArea, video.size, 9000000);
        applyLimits(video, settings.bitRateLimits);
        video.bufferSize = std::clamp(video.maxRate / 2, kMainLevelBuffer, kHighLevelBuffer);
        plan.audio = {QStringLiteral("ac3"), outputSampleRate(settings), 448000};
        plan.mux.packetSize = 2048;
        plan.mux.muxRate = video.maxRate + plan.audio.bitRate <= 10080000 ? 10080000 : 0;
        if (isDvdVideoSize(video.size)) {
            // For the disc: navigation packs, the standard's buffer, its mux rate.
            video.bufferSize = kMainLevelBuffer;
            plan.mux.formatName = QStringLiteral("dvd");
            plan.mux.muxRate = 10080000;
        } else {
            // A plain MPEG-2 program stream at other sizes: no disc takes them, and probing tools
            // complain about the navigation packets' undecodable stream.
            plan.mux.formatName = QStringLiteral("vob");
        }
        break;
    }
}

void planAviVideo(OutputPlan& plan, const ConversionSettings& settings)
{
    VideoStreamPlan& video = plan.video;
    video.codecName = QStringLiteral("mpeg4");
    video.codecTag = QStringLiteral("XVID");
    video.gopSize = 50;
    video.bitRate = scaledRate(8000000, kCanvasArea, video.size, 1000000);
    applyLimits(video, settings.bitRateLimits);
    plan.audio = {QStringLiteral("libmp3lame"), 44100, 192000};
    plan.mux.formatName = QStringLiteral("avi");
}

// H.264 and AAC in MP4, for phones, computers and the web: constant quality at a fast preset,
// with the index at the front so players can start before the whole file has arrived.
void planMp4Video(OutputPlan& plan)
{
    VideoStreamPlan& video = plan.video;
    video.codecName = QStringLiteral("libx264");
    video.encoderPreset = QStringLiteral("veryfast");
    video.constantRateFactor = 20;
    // x264 reports its statistics on its own; the render reports progress already.
    video.x264Params = QStringLiteral("log=-1");
    video.gopSize = 50;
    video.maxBFrames = 2;
    // x264 is the slow half of an MP4 album; two threads keep it level with the composer.
    video.threads = 2;
    plan.audio = {QStringLiteral("aac"), 48000, 192000};
    plan.mux.formatName = QStringLiteral("mp4");
    plan.mux.movFlags = QStringLiteral("+faststart");
}

bool isMp4File(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("mp4"), Qt::CaseInsensitive) == 0;
}

QString pictureCodecFor(const QString& extension)
{
    const QString lower = extension.toLower();
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return QStringLiteral("mjpeg");
    if (lower == QLatin1String("bmp"))
        return QStringLiteral("bmp");
    if (lower == QLatin1String("tga"))
        return QStringLiteral("targa");
    if (lower == QLatin1String("pcx"))
        return QStringLiteral("pcx");
    return {};
}

PictureSequencePlan planPictures(const QFileInfo& file, const QString& codecName)
{
    PictureSequencePlan pictures;
    pictures.folder = file.path();
    pictures.extension = file.suffix();
    pictures.codecName = codecName;
    // "01.JPG" numbers from 1 with two digits; a longer or later first number sets its own.
    const QString base = file.completeBaseName();
    qsizetype digitsStart = base.size();
    while (digitsStart > 0 && base.at(digitsStart - 1).isDigit())
        --digitsStart;
    pictures.prefix = base.left(digitsStart);
    const QString digits = base.mid(digitsStart);
    if (!digits.isEmpty()) {
        pictures.firstNumber = digits.toInt();
        pictures.digits = int(digits.size());
    }
    return pictures;
}

}  // namespace

QString PictureSequencePlan::fileName(qint64 index) const
{
    return QStringLiteral("%1/%2%3.%4")
        .arg(folder, prefix, QStringLiteral("%1").arg(firstNumber + index, digits, 10, QLatin1Char('0')), extension);
}

int outputSampleRate(const ConversionSettings& settings)
{
    return settings.preset == FormatPreset::Dvd || (!settings.preset && isMp4File(settings.videoFileName)) ? 48000 : 44100;
}

QSize outputPictureSize(const ConversionSettings& settings)
{
    const QSize cap = settings.frameFormat;
    QSize size = !settings.outputSize.isEmpty() ? settings.outputSize : !cap.isEmpty() ? cap : kAlbumCanvas;
    if (!cap.isEmpty())
        size = size.boundedTo(cap);
    return {size.width() & ~1, size.height() & ~1};
}

Result<OutputPlan> planOutput(const ConversionSettings& settings)
{
    if (settings.videoFileName.isEmpty())
        return Result<OutputPlan>::failure(QStringLiteral("没有设置输出文件名"));
    OutputPlan plan;
    plan.fileName = settings.videoFileName;
    plan.leadIn = settings.leadIn;
    const QFileInfo file(settings.videoFileName);
    const QString extension = file.suffix().toLower();
    const QString pictureCodec = pictureCodecFor(extension);
    if (settings.preset) {
        plan.kind = *settings.preset == FormatPreset::Vcd    ? OutputKind::Vcd
                    : *settings.preset == FormatPreset::Svcd ? OutputKind::Svcd
                                                             : OutputKind::Dvd;
    } else if (extension == QLatin1String("avi")) {
        plan.kind = OutputKind::Avi;
    } else if (isMp4File(settings.videoFileName)) {
        plan.kind = OutputKind::Mp4;
    } else if (!pictureCodec.isEmpty()) {
        plan.kind = OutputKind::PictureSequence;
        plan.pictures = planPictures(file, pictureCodec);
    } else {
        return Result<OutputPlan>::failure(
            QStringLiteral("不支持的输出文件“%1”：请选择光盘格式、AVI或MP4文件，或JPG、BMP、TGA、PCX图片")
                .arg(settings.videoFileName));
    }
    if (plan.hasAudioStream() && !settings.audioFileName.isEmpty() && settings.audioFileName != settings.videoFileName) {
        return Result<OutputPlan>::failure(
            QStringLiteral("声音保存在视频文件中，不能另外写入音频文件“%1”")
                .arg(settings.audioFileName));
    }

    VideoStreamPlan& video = plan.video;
    video.size = outputPictureSize(settings);
    if (video.size.width() < 16 || video.size.height() < 16)
        return Result<OutputPlan>::failure(QStringLiteral("画面尺寸 %1×%2 无效").arg(video.size.width()).arg(video.size.height()));
    setDisplayShape(video);
    if (plan.kind == OutputKind::PictureSequence) {
        // One picture per album frame, whatever the TV system.
        video.codecName = plan.pictures.codecName;
        return Result<OutputPlan>::success(plan);
    }
    // A DVD-Video size is its TV system's.
    const bool ntsc = plan.kind == OutputKind::Dvd && isDvdVideoSize(video.size) ? video.size == dvdVideoNtsc
                                                                                 : settings.tvSystem == TvSystem::Ntsc;
    if (ntsc) {
        video.frameRateNum = 30000;
        video.frameRateDen = 1001;
        video.repeatFramesToKeepDuration = settings.keepDuration;
    }
    if (plan.kind == OutputKind::Avi)
        planAviVideo(plan, settings);
    else if (plan.kind == OutputKind::Mp4)
        planMp4Video(plan);
    else
        planDiscVideo(plan, settings, ntsc);
    return Result<OutputPlan>::success(plan);
}

}  // namespace xc
