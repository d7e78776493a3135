// Imports a batch of camera-sized photos and sets the whole import of a photo beside one
// full-size decode of it: the import (probe, automatic fitting, materialisation, board
// thumbnail, fitted JPEG) should cost no more than that one decode.
#include "core/album_model.h"
#include "core/progress.h"
#include "photos/jpeg_codec.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "templates/startup.h"
#include "tests/photos/jpeg_fixtures.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <thread>

using namespace xc;

namespace {

constexpr int landscapeCount = 50;
constexpr int portraitCount = 4;
constexpr int turnedCount = 4;
constexpr int importRuns = 3;

// Something with the detail of a photo: a sky gradient, many shapes and sensor-like noise, so
// the entropy decoder has real work.
QByteArray photoLike(QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 160, 120));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv(int(random.bounded(360)), int(random.bounded(256)), int(random.bounded(256)), 200));
        const int w = 20 + int(random.bounded(size.width() / 8));
        painter.drawEllipse(int(random.bounded(size.width())), int(random.bounded(size.height())), w, w * 2 / 3);
    }
    painter.end();
    quint32 state = seed * 2654435761u + 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = int(state >> 29) - 4;  // -4 … 3
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + noise, 0, 255), std::clamp(qGreen(c) + noise, 0, 255),
                           std::clamp(qBlue(c) + noise, 0, 255));
        }
    }
    return encodeJpeg(image, 92).value();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Wall and processor time of one piece of work; processor time adds up every thread.
struct Clock {
    QElapsedTimer wall;
    std::clock_t cpu = std::clock();
    Clock() { wall.start(); }
    double wallMs() const { return double(wall.nsecsElapsed()) / 1e6; }
    double cpuMs() const { return 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

struct Kind {
    const char* name;
    QStringList files;
    double decodeMs = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // A copy of the built data tree, so the import runs on the shipped templates.
    const test::TestTree tree(test::TestTree::Contents::BuiltDataTree);
    const QString photoDir = tree.path(QStringLiteral("photos"));
    QDir().mkpath(photoDir);
    std::printf("Making %d photos of 4000 x 3000 (and 3000 x 4000) ...\n", landscapeCount + portraitCount + turnedCount);
    Kind kinds[] = {{"landscape 4000x3000", {}}, {"portrait 3000x4000", {}}, {"EXIF-turned 4000x3000", {}}};
    int made = 0;
    const auto make = [&](Kind& kind, QSize size, int orientation) {
        QByteArray jpeg = photoLike(size, quint32(++made));
        if (orientation != 1)
            jpeg = test::withExifOrientation(jpeg, orientation);
        const QString path = QStringLiteral("%1/photo_%2.jpg").arg(photoDir).arg(made, 3, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size())
            qFatal("cannot write %s", qPrintable(path));
        kind.files << path;
    };
    for (int i = 0; i < landscapeCount; ++i)
        make(kinds[0], {4000, 3000}, 1);
    for (int i = 0; i < portraitCount; ++i)
        make(kinds[1], {3000, 4000}, 1);
    for (int i = 0; i < turnedCount; ++i)
        make(kinds[2], {4000, 3000}, i % 2 ? 8 : 6);

    // One full-size decode of each photo, read from memory.
    QStringList files;
    double decodeWall = 0, decodeCpu = 0;
    for (Kind& kind : kinds) {
        for (const QString& path : kind.files) {
            const QByteArray jpeg = readAll(path);
            const Clock clock;
            const Result<QImage> decoded = decodeJpeg(jpeg, {1 << 20, 1 << 20});
            const double ms = clock.wallMs();
            decodeCpu += clock.cpuMs();
            if (!decoded.ok() || decoded.value().width() < 3000)
                qFatal("full decode failed: %s", qPrintable(decoded.error()));
            kind.decodeMs += ms;
            decodeWall += ms;
        }
        files << kind.files;
    }

    // Whole imports into a freshly started album; the best of a few runs.
    double importWall = 0, importCpu = 0;
    for (int run = 0; run < importRuns; ++run) {
        AlbumModel model;
        startUp(model, tree.workspace());
        const Clock clock;
        const Status status = importPhotos(model, tree.workspace(), files, noProgress(), *seededRandomSource(1));
        const double ms = clock.wallMs();
        if (!status.ok())
            qFatal("import failed: %s", qPrintable(status.error()));
        if (model.photos.count() != files.size())
            qFatal("import made %lld rows", static_cast<long long>(model.photos.count()));
        if (run == 0 || ms < importWall) {
            importWall = ms;
            importCpu = clock.cpuMs();
        }
    }

    const double n = double(files.size());
    std::printf("\n%-24s %7s %22s\n", "photos", "count", "full decode ms/photo");
    for (const Kind& kind : kinds)
        std::printf("%-24s %7lld %22.1f\n", kind.name, static_cast<long long>(kind.files.size()),
                    kind.decodeMs / double(kind.files.size()));
    std::printf("\n%-24s %22s %22s %8s\n", qPrintable(QStringLiteral("all %1 photos").arg(files.size())),
                "full decode ms/photo", "whole import ms/photo", "ratio");
    std::printf("%-24s %22.1f %22.1f %8.2f\n", "wall clock", decodeWall / n, importWall / n, importWall / decodeWall);
    std::printf("%-24s %22.1f %22.1f %8.2f\n", "processor (all threads)", decodeCpu / n, importCpu / n, importCpu / decodeCpu);
    std::printf("\nImport: best of %d runs, %u hardware threads. Target: ratio <= 1.00.\n", importRuns,
                std::thread::hardware_concurrency());
    return 0;
}
