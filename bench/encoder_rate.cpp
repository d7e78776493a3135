#include "bench/encoder_rate.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QRadialGradient>

#include <vector>

namespace xc::bench {

std::vector<QImage> movingTestPictures(int count)
{
    std::vector<QImage> frames;
    for (int index = 0; index < count; ++index) {
        QImage frame(1920, 1080, QImage::Format_ARGB32);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sky(QPointF(600 + index * 24, 300), 1400);
        sky.setColorAt(0, QColor(250, 220, 160));
        sky.setColorAt(1, QColor(40, 70, 130));
        painter.fillRect(frame.rect(), sky);
        for (int i = 0; i < 120; ++i) {
            const int x = (i * 397 + index * 12) % 1920;
            const int y = (i * 211 + index * 5) % 1080;
            painter.setBrush(QColor::fromHsv(i * 37 % 360, 160, 200, 180));
            painter.setPen(QPen(QColor(20, 20, 20), 2));
            painter.drawEllipse(QPoint(x, y), 30 + i % 70, 20 + i % 50);
        }
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Sans"), 48));
        painter.drawText(QRect(0, 900, 1920, 120), Qt::AlignCenter, QStringLiteral("Album frame %1").arg(index));
        painter.end();
        frames.push_back(std::move(frame));
    }
    return frames;
}

void configureDvdAlbum(ConversionLibrary& library, const QString& outputPath)
{
    library.setFormatPreset(FormatPreset::Dvd, TvSystem::Pal);
    library.setKeepDuration(true);
    library.setVideoFormat(1920, 1080, 32);
    library.setOutputSize(1920, 1080);
    library.setVideoBitRate(99999, 2500, 100000);
    library.setVideoFileName(outputPath);
    library.setAudioFileName(outputPath);
}

Result<EncoderRate> measureEncoderRate(const std::vector<QImage>& pictures, int frames, const QString& outputPath,
                                       const std::function<void(ConversionLibrary&)>& configure)
{
    if (pictures.empty())
        return Result<EncoderRate>::failure(QStringLiteral("No pictures to encode."));
    ConversionLibrary library;
    for (int i = 0; i < frames; ++i)
        library.addToList(ConversionLibrary::ListKind::FrameFile, QString::number(i));
    if (configure)
        configure(library);
    else
        configureDvdAlbum(library, outputPath);
    library.setVideoFunction(
        [&pictures](int index, const QString&, QImage& frame) { frame = pictures[std::size_t(index) % pictures.size()]; });
    QElapsedTimer clock;
    clock.start();
    const ConversionResult result = library.convert();
    if (!result.ok())
        return Result<EncoderRate>::failure(result.error);
    return Result<EncoderRate>::success(EncoderRate{result.albumFrames, clock.nsecsElapsed() / 1e9});
}

}  // namespace xc::bench
