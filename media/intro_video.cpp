#include "media/intro_video.h"

#include "media/ffmpeg_utils.h"

#include <QFileInfo>
#include <QPainter>

extern "C" {
#include <libavutil/imgutils.h>
}

#include <cmath>

namespace xc {

namespace {

using ffmpeg::CodecContextPtr;
using ffmpeg::FramePtr;
using ffmpeg::PacketPtr;
using ffmpeg::ScaleContextPtr;

QString unreadableMessage(const QString& path)
{
    return QStringLiteral("无法读取片头视频文件：%1").arg(QFileInfo(path).fileName());
}

using OpenedVideo = ffmpeg::OpenedInput;

Result<OpenedVideo> openVideo(const QString& path)
{
    std::optional<OpenedVideo> video = ffmpeg::openInputStream(path, AVMEDIA_TYPE_VIDEO);
    // A cover picture in a song is not a video.
    if (!video || (video->format->streams[video->stream]->disposition & AV_DISPOSITION_ATTACHED_PIC))
        return Result<OpenedVideo>::failure(unreadableMessage(path));
    return Result<OpenedVideo>::success(std::move(*video));
}

double durationSeconds(const AVFormatContext& format, const AVStream& stream)
{
    if (stream.duration > 0 && stream.duration != AV_NOPTS_VALUE)
        return double(stream.duration) * av_q2d(stream.time_base);
    if (format.duration > 0 && format.duration != AV_NOPTS_VALUE)
        return double(format.duration) / AV_TIME_BASE;
    return 0;
}

QSize shownSize(const AVStream& stream)
{
    const AVCodecParameters& codec = *stream.codecpar;
    const AVRational aspect = av_guess_sample_aspect_ratio(nullptr, const_cast<AVStream*>(&stream), nullptr);
    const double stretch = aspect.num > 0 && aspect.den > 0 ? av_q2d(aspect) : 1.0;
    return QSize(int(std::lround(codec.width * stretch)), codec.height);
}

}  // namespace

Result<IntroVideoInfo> probeIntroVideo(const QString& path)
{
    Result<OpenedVideo> video = openVideo(path);
    if (!video.ok())
        return Result<IntroVideoInfo>::failure(video.error());
    const AVFormatContext& format = *video.value().format;
    const AVStream& stream = *format.streams[video.value().stream];
    IntroVideoInfo info;
    info.albumFrames = std::llround(durationSeconds(format, stream) * 25.0);
    info.size = shownSize(stream);
    info.hasSound = av_find_best_stream(video.value().format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) >= 0;
    if (info.albumFrames <= 0 || info.size.isEmpty())
        return Result<IntroVideoInfo>::failure(unreadableMessage(path));
    return Result<IntroVideoInfo>::success(info);
}

struct IntroVideoReader::State {
    OpenedVideo video;
    CodecContextPtr decoder;
    PacketPtr packet{av_packet_alloc()};
    FramePtr decoded{av_frame_alloc()};
    ScaleContextPtr scaler;
    QSize canvas;
    QRect placement;       // the picture's place on the canvas
    QImage picture;        // the canvas on show
    bool pending = false;  // `decoded` holds a picture not shown yet
    bool ended = false;
    qint64 albumFrame = 0;

    bool decodeNext();
    void show(const AVFrame& frame);
};

// The next picture of the video into `decoded`; false at its end.
bool IntroVideoReader::State::decodeNext()
{
    for (;;) {
        const int received = avcodec_receive_frame(decoder.get(), decoded.get());
        if (received == 0)
            return true;
        if (received == AVERROR_EOF)
            return false;
        const int read = av_read_frame(video.format.get(), packet.get());
        if (read < 0) {
            avcodec_send_packet(decoder.get(), nullptr);  // drains what the decoder still holds
            continue;
        }
        if (packet->stream_index == video.stream)
            avcodec_send_packet(decoder.get(), packet.get());  // a damaged packet is skipped
        av_packet_unref(packet.get());
    }
}

void IntroVideoReader::State::show(const AVFrame& frame)
{
    scaler.reset(sws_getCachedContext(scaler.release(), frame.width, frame.height, AVPixelFormat(frame.format),
                                      placement.width(), placement.height(), AV_PIX_FMT_BGRA, SWS_BICUBIC, nullptr, nullptr,
                                      nullptr));
    if (!scaler)
        return;
    QImage scaled(placement.size(), QImage::Format_RGB32);
    uint8_t* planes[4] = {scaled.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(scaled.bytesPerLine()), 0, 0, 0};
    sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
    QPainter(&picture).drawImage(placement.topLeft(), scaled);
}

Result<std::unique_ptr<IntroVideoReader>> IntroVideoReader::open(const QString& path, QSize canvas)
{
    using Opened = Result<std::unique_ptr<IntroVideoReader>>;
    Result<OpenedVideo> video = openVideo(path);
    if (!video.ok())
        return Opened::failure(video.error());
    auto state = std::make_unique<State>();
    state->video = std::move(video.value());
    const AVStream& stream = *state->video.format->streams[state->video.stream];
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    state->decoder.reset(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!state->decoder || !state->packet || !state->decoded
        || avcodec_parameters_to_context(state->decoder.get(), stream.codecpar) < 0
        || avcodec_open2(state->decoder.get(), codec, nullptr) < 0)
        return Opened::failure(unreadableMessage(path));
    state->canvas = canvas;
    const QSize fitted = shownSize(stream).scaled(canvas, Qt::KeepAspectRatio).expandedTo(QSize(2, 2));
    state->placement = QRect(QPoint((canvas.width() - fitted.width()) / 2, (canvas.height() - fitted.height()) / 2), fitted);
    state->picture = QImage(canvas, QImage::Format_RGB32);
    state->picture.fill(Qt::black);
    state->pending = state->decodeNext();
    if (!state->pending)
        return Opened::failure(unreadableMessage(path));
    return Opened::success(std::unique_ptr<IntroVideoReader>(new IntroVideoReader(std::move(state))));
}

IntroVideoReader::IntroVideoReader(std::unique_ptr<State> state) : d(std::move(state)) {}

IntroVideoReader::~IntroVideoReader() = default;

const QImage& IntroVideoReader::nextFrame()
{
    const AVStream& stream = *d->video.format->streams[d->video.stream];
    const int64_t start = stream.start_time != AV_NOPTS_VALUE ? stream.start_time : 0;
    // Every picture due by this album frame's moment is taken; the last one is shown.
    const double moment = double(d->albumFrame++) / 25.0;
    while (d->pending) {
        const int64_t pts = d->decoded->best_effort_timestamp;
        const double at = pts == AV_NOPTS_VALUE ? moment : double(pts - start) * av_q2d(stream.time_base);
        if (at > moment + 0.001)
            break;
        d->show(*d->decoded);
        d->pending = d->decodeNext();
    }
    return d->picture;
}

}  // namespace xc
