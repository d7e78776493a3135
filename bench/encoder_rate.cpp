#include "bench/encoder_rate.h"

#include "core/album_settings.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "media/conversion_library.h"
#include "render/encoder_run.h"

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

Result<EncoderRate> measureEncoderRate(const std::vector<QImage>& pictures, const AlbumPlan& plan, const QString& outputPath,
                                       const QString& kind)
{
    if (pictures.empty())
        return Result<EncoderRate>::failure(QStringLiteral("No pictures to encode."));
    AlbumSettings settings;
    settings.outputKind = kind;
    settings.tvSystem = kw::tvPal;
    settings.quality = kw::qualityHigh;
    ConversionLibrary library;
    configureConversion(library, settings, plan, QStringLiteral("frame"), QSize(1920, 1080), outputPath);
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
