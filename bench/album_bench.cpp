// A whole album render beside the encoder alone. A 20-photo album (the sample photos, fixed
// seed, the sample song with its lyrics and karaoke script) is made as "DVD" 1920 x 1080 PAL; in
// the same run the same number of ready-made frames is encoded with the same settings and the
// same song. The encoder's speed depends on what it encodes, so its frames are the album's own:
// runs of consecutive frames kept from an earlier, untimed render. Target: the album renders at
// no less than 0.7 x the encoder's rate.
// Then the peak resident memory of the render of a 20-photo and a 200-photo album, each in a
// process of its own (target: 200 photos no more than 1.2 x 20 photos).
//
// With --kind MP4 the album and the encoder alone (libx264 at the album's preset) make MP4.
//
// Usage: album_bench [photos for the rate, default 20] [--rates-only] [--kind MP4]
//        album_bench --memory N     (internal: one album of N photos, prints its peak memory)

#include "bench/encoder_rate.h"
#include "audio/karaoke_rows.h"
#include "audio/lyrics_import.h"
#include "audio/music_import.h"
#include "core/album_model.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "render/render_job.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace xc;

namespace {

constexpr quint64 seed = 20;
const QString sampleSong = QStringLiteral("yinyuegeci/甜蜜蜜");

struct Album {
    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
};

// The sample photos, taken in turn until there are `count`.
QStringList photos(const test::TestTree& tree, int count)
{
    const QDir samples(tree.path(QStringLiteral("smxcwjj/samples")));
    const QStringList names = samples.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    QStringList files;
    for (int i = 0; i < count && !names.isEmpty(); ++i)
        files << samples.filePath(names[i % names.size()]);
    return files;
}

Status prepareAlbum(Album& album, int photoCount, const QString& kind = kw::kindDvd)
{
    const Workspace& workspace = album.tree.workspace();
    startUp(album.model, workspace);
    const auto random = seededRandomSource(seed);
    if (Status s = importPhotos(album.model, workspace, photos(album.tree, photoCount), noProgress(), *random); !s.ok())
        return s;
    if (Status s = importMusic(album.model, workspace, {album.tree.path(sampleSong + ".mp3")}); !s.ok())
        return s;
    if (Status s = importLyrics(album.model, workspace, {album.tree.path(sampleSong + ".lrc")}); !s.ok())
        return s;
    album.model.settings.outputKind = kind;
    album.model.settings.tvSystem = kw::tvPal;
    album.model.settings.quality = kw::qualityHigh;
    return importKaraokeScripts(album.model, {album.tree.path(sampleSong + ".ksc")});
}

struct AlbumRun {
    RenderResult result;
    double seconds = 0;
};

AlbumRun renderAlbum(Album& album, const QString& output, QSize size, RenderListener* listener = nullptr)
{
    RenderJob job(album.model, album.tree.workspace(), RenderRequest{output, size});
    job.setListener(listener);
    QElapsedTimer clock;
    clock.start();
    AlbumRun run{job.run(), 0};
    run.seconds = clock.nsecsElapsed() / 1e9;
    for (const QString& line : job.errorLog().lines())
        std::fprintf(stderr, "render: %s\n", qPrintable(line));
    return run;
}

// Keeps `runs` runs of `runLength` consecutive frames, spread evenly over an album of
// `albumFrames` frames.
class FrameSampler : public RenderListener {
public:
    FrameSampler(qint64 albumFrames, int runs, int runLength)
        : m_spacing(std::max<qint64>(runLength, albumFrames / runs)), m_runLength(runLength)
    {
    }
    void frameComposed(qint64 index, const QImage& frame) override
    {
        if (index % m_spacing < m_runLength)
            m_frames.push_back(frame);
    }
    const std::vector<QImage>& frames() const { return m_frames; }

private:
    qint64 m_spacing;
    qint64 m_runLength;
    std::vector<QImage> m_frames;
};

// The kernel's high-water mark of resident memory, in kB; restartable from "now".
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void restartPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// One album of `photoCount` photos in this process: prints the peak memory of the import and of
// the render (a small output, as the memory of interest is the composing at 1920 x 1080).
int measureMemory(int photoCount)
{
    Album album;
    if (const Status prepared = prepareAlbum(album, photoCount); !prepared.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(prepared.error()));
        return 1;
    }
    const long importPeak = peakResidentKb();
    restartPeakResident();
    const QString output = album.tree.path(QStringLiteral("memory.mpg"));
    const AlbumRun run = renderAlbum(album, output, QSize(320, 176));
    if (!run.result.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(run.result.error));
        return 1;
    }
    std::printf("%d %lld %ld %ld\n", photoCount, static_cast<long long>(run.result.framesWritten), importPeak, peakResidentKb());
    return 0;
}

struct MemoryReport {
    int photos = 0;
    long long frames = 0;
    long importKb = 0;
    long renderKb = 0;
};

bool memoryOf(int photoCount, MemoryReport& report)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), QString::number(photoCount)});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 4)
        return false;
    report = {fields[0].toInt(), fields[1].toLongLong(), fields[2].toLong(), fields[3].toLong()};
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QStringLiteral("--memory"))
        return measureMemory(args.value(1).toInt());
    const bool ratesOnly = args.contains(QStringLiteral("--rates-only"));
    const qsizetype kindAt = args.indexOf(QStringLiteral("--kind"));
    const QString kind = kindAt >= 0 ? args.value(kindAt + 1).toUpper() : kw::kindDvd;
    const QString extension = kind == kw::kindMp4 ? QStringLiteral(".mp4") : QStringLiteral(".mpg");
    bool numbered = false;
    const int asked = args.value(0).toInt(&numbered);
    const int photoCount = numbered ? std::max(1, asked) : 20;

    Album album;
    if (const Status prepared = prepareAlbum(album, photoCount, kind); !prepared.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(prepared.error()));
        return 1;
    }
    const AlbumRun run = renderAlbum(album, album.tree.path(QStringLiteral("album") + extension), QSize(1920, 1080));
    if (!run.result.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(run.result.error));
        return 1;
    }
    const double albumRate = run.result.framesWritten / run.seconds;
    std::printf("album render, %d photos, %s 1920x1080 PAL: %lld frames in %.2f s = %.2f frames/s\n", photoCount, qPrintable(kind),
                static_cast<long long>(run.result.framesWritten), run.seconds, albumRate);
    std::fflush(stdout);

    // About 3 GB of frames: four runs of a hundred, each like a template's worth of the album.
    FrameSampler sampler(run.result.framesWritten, 4, 100);
    if (const AlbumRun sampled = renderAlbum(album, album.tree.path(QStringLiteral("sampled") + extension), QSize(320, 176), &sampler);
        !sampled.result.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(sampled.result.error));
        return 1;
    }
    const QString encoderOutput = album.tree.path(QStringLiteral("encoder") + extension);
    const auto encoder =
        bench::measureEncoderRate(sampler.frames(), planAlbum(album.model, album.tree.workspace()), encoderOutput, kind);
    if (!encoder.ok()) {
        std::fprintf(stderr, "album_bench: %s\n", qPrintable(encoder.error()));
        return 1;
    }
    std::printf("encoder alone, album frames, same song:    %lld frames in %.2f s = %.2f frames/s\n",
                static_cast<long long>(encoder.value().frames), encoder.value().seconds, encoder.value().framesPerSecond());
    std::printf("ratio album / encoder: %.2f (target >= 0.70)\n", albumRate / encoder.value().framesPerSecond());
    std::fflush(stdout);
    if (ratesOnly)
        return 0;

    MemoryReport small, large;
    if (!memoryOf(20, small) || !memoryOf(200, large)) {
        std::fprintf(stderr, "album_bench: the memory runs failed\n");
        return 1;
    }
    for (const MemoryReport& report : {small, large})
        std::printf("peak memory, %3d photos (%lld frames): import %ld kB, render %ld kB\n", report.photos, report.frames,
                    report.importKb, report.renderKb);
    std::printf("render peak ratio 200 / 20 photos: %.2f (target <= 1.20)\n", double(large.renderKb) / small.renderKb);
    return 0;
}
