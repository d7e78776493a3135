// The encoder alone: N ready-made 1920 x 1080 frames encoded as an album "DVD" (PAL).
// Usage: encoder_bench [frames] [output file]

#include "bench/encoder_rate.h"
#include "core/keywords.h"
#include "effects/album_length.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(1, atoi(argv[1])) : 250;
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::temp().filePath(QStringLiteral("encoder_bench.mpg"));
    xc::AlbumPlan plan;
    plan.frameBudget = frames;
    const auto rate = xc::bench::measureEncoderRate(xc::bench::movingTestPictures(8), plan, output, xc::kw::kindDvd);
    if (!rate.ok()) {
        std::fprintf(stderr, "encoder_bench: %s\n", qPrintable(rate.error()));
        return 1;
    }
    std::printf("DVD 1920x1080 PAL: %lld frames in %.2f s = %.1f frames per second (%s)\n",
                static_cast<long long>(rate.value().frames), rate.value().seconds, rate.value().framesPerSecond(),
                qPrintable(output));
    return 0;
}
