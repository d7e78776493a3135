// Renders every shipped template movie at 1920 × 1080 with sample pictures and prints the frames
// per second of each. Usage: template_bench [APPDIR] (default: the folder of this program, which
// holds the built data tree). Run it pinned to one core (taskset -c 0) to see one core's speed.
// Time is the process's CPU time, so that other work on a shared machine does not count.

#include "media/flash_template_player.h"
#include "templates/package_codec.h"
#include "templates/template_stage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const QSize frameSize(1920, 1080);
// Frames are painted in full passes until at least this much CPU time has been spent on a movie.
constexpr double minimumSeconds = 1.5;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Movie {
    QString name;
    QString package;
};

QList<Movie> shippedMovies(const QString& appDir)
{
    QList<Movie> movies;
    const QDir packages(appDir + QStringLiteral("/smxcwjj/wj_0_or_2/wjj_01"));
    for (const QFileInfo& entry : packages.entryInfoList({QStringLiteral("*.rar")}, QDir::Files, QDir::Name))
        movies.append({entry.completeBaseName(), entry.absoluteFilePath()});
    const QString closing = appDir + QStringLiteral("/smxcwjj/wj_0_or_1/wj_1.rar");
    if (QFileInfo::exists(closing))
        movies.append({QStringLiteral("closing (wj_1)"), closing});
    return movies;
}

// A photo-like picture of the given size, so that drawing costs what a real photo costs.
QImage samplePicture(QSize size, int seed)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 67) % 360, 160, 220));
    gradient.setColorAt(1, QColor::fromHsv((seed * 67 + 140) % 360, 200, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(QPen(Qt::white, 4));
    for (int x = 0; x < size.width(); x += 37)
        painter.drawLine(x, 0, size.width() - x, size.height());
    return picture;
}

// Makes the staged movie's pictures, each at its asset's box size as photo fitting makes them:
// slot pictures beside the movie, the start picture in pic/.
void placeSamplePictures(const xc::TemplateStage& stage)
{
    QFile file(stage.moviePath());
    file.open(QIODevice::ReadOnly);
    const QJsonArray assets = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("assets")).toArray();
    int seed = 0;
    for (const QJsonValue& value : assets) {
        const QJsonObject asset = value.toObject();
        const QString name = asset.value(QStringLiteral("p")).toString();
        if (!name.startsWith(QStringLiteral("picture_")))
            continue;
        const QSize box(asset.value(QStringLiteral("w")).toInt(1920), asset.value(QStringLiteral("h")).toInt(1080));
        const QString folder = asset.value(QStringLiteral("u")).toString().isEmpty() ? stage.movieFolder() : stage.pictureFolder();
        samplePicture(box, ++seed).save(folder + name, "JPG", 90);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString appDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    const QList<Movie> movies = shippedMovies(appDir);
    if (movies.isEmpty()) {
        std::fprintf(stderr, "no template movies under %s/smxcwjj\n", qPrintable(appDir));
        return 1;
    }

    std::printf("%-28s %7s %10s %10s\n", "template", "frames", "ms/frame", "fps");
    double slowest = 1e9;
    for (const Movie& movie : movies) {
        const xc::TemplateStage stage;
        const xc::Status decoded = xc::decodePackage(movie.package, stage.scratchPrefix(), stage.moviePath());
        if (!decoded.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(movie.name), qPrintable(decoded.error()));
            return 1;
        }
        placeSamplePictures(stage);
        xc::FlashTemplatePlayer player(frameSize);
        const xc::Status loaded = player.Movie(stage.moviePath());
        if (!loaded.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(movie.name), qPrintable(loaded.error()));
            return 1;
        }

        QImage frame;
        player.paintFrame(frame);  // the target and scratch images are allocated once, before timing
        qint64 painted = 0;
        const double start = cpuSeconds();
        while (cpuSeconds() - start < minimumSeconds) {
            for (int k = 0; k < player.TotalFrames(); ++k) {
                player.FrameNum(k);
                player.paintFrame(frame);
                ++painted;
            }
        }
        const double seconds = cpuSeconds() - start;
        const double fps = double(painted) / seconds;
        slowest = std::min(slowest, fps);
        std::printf("%-28s %7d %10.2f %10.1f\n", qPrintable(movie.name), player.TotalFrames(), 1000.0 / fps, fps);
        std::fflush(stdout);
    }
    std::printf("slowest: %.1f fps\n", slowest);
    return 0;
}
