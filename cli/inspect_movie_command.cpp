#include "cli/cli_support.h"
#include "cli/commands.h"

#include "media/flash_template_player.h"
#include "templates/package_codec.h"
#include "templates/template_stage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace xc::cli {

namespace {

// A movie is given either as its Lottie JSON or as a template package.
Status placeMovie(const QString& file, const QString& target, const QString& scratchPrefix)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("inspect movie: cannot read %1").arg(file));
    if (input.read(64).trimmed().startsWith('{'))
        return QFile::copy(file, target) ? Status::success() : Status::failure(QStringLiteral("inspect movie: cannot copy %1").arg(file));
    return decodePackage(file, scratchPrefix, target);
}

// Copies DIR/picture_N.* to the places the movie reads them from.
void placePictures(const QDir& pictures, const TemplateStage& stage)
{
    static const QRegularExpression pictureName(QStringLiteral("^picture_(\\d+)\\.[A-Za-z]+$"));
    for (const QFileInfo& entry : pictures.entryInfoList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = pictureName.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        const QString name = QStringLiteral("picture_%1.rar").arg(match.captured(1).toInt());
        const QString target = (match.captured(1).toInt() == 0 ? stage.pictureFolder() : stage.movieFolder()) + name;
        QFile::remove(target);
        QFile::copy(entry.absoluteFilePath(), target);
    }
}

bool parseSize(const QString& text, QSize& size)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool widthOk = false, heightOk = false;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    return widthOk && heightOk && size.width() > 0 && size.height() > 0 && size.width() <= 8192 && size.height() <= 8192;
}

bool parseFrames(const QString& text, QList<int>& frames)
{
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int frame = part.trimmed().toInt(&ok);
        if (!ok || frame < 0)
            return false;
        frames << frame;
    }
    return !frames.isEmpty();
}

}  // namespace

int runInspectMovie(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Folder with picture_0.jpg (the start picture), picture_1.jpg, … (the slots)."),
                                            QStringLiteral("DIR"));
    const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Frames to render, e.g. 0,50,99 (default: first, middle, last)."),
                                          QStringLiteral("LIST"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Frame size WxH (default 1920x1080)."), QStringLiteral("WxH"),
                                        QStringLiteral("1920x1080"));
    const QCommandLineOption outputOption(QStringList{"o", "output"}, QStringLiteral("Folder the PNG frames are written to."),
                                          QStringLiteral("OUTDIR"));
    parser.addOptions({picturesOption, framesOption, sizeOption, outputOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The movie: its Lottie JSON or a template package."));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect movie"),
                      QStringLiteral("Renders chosen frames of one template movie to PNG files frame_NNNN.png, with the "
                                     "pictures it shows taken from a folder."),
                      args, code))
        return code;

    QSize size;
    QList<int> frames;
    if (parser.positionalArguments().size() != 1) {
        printErr(QStringLiteral("inspect movie: exactly one FILE is needed"));
        return exitUsage;
    }
    if (!parser.isSet(picturesOption) || !parser.isSet(outputOption)) {
        printErr(QStringLiteral("inspect movie: --pictures DIR and -o OUTDIR are needed"));
        return exitUsage;
    }
    if (!parseSize(parser.value(sizeOption), size)) {
        printErr(QStringLiteral("inspect movie: --size must read WxH, e.g. 1920x1080"));
        return exitUsage;
    }
    if (parser.isSet(framesOption) && !parseFrames(parser.value(framesOption), frames)) {
        printErr(QStringLiteral("inspect movie: --frames must list frame numbers, e.g. 0,50,99"));
        return exitUsage;
    }
    const QDir pictures(parser.value(picturesOption));
    if (!pictures.exists()) {
        printErr(QStringLiteral("inspect movie: the picture folder %1 does not exist").arg(pictures.path()));
        return exitFailure;
    }

    const TemplateStage stage;
    if (!stage.isValid()) {
        printErr(QStringLiteral("inspect movie: cannot create a temporary folder"));
        return exitFailure;
    }
    const QString moviePath = stage.moviePath();
    const Status placed = placeMovie(parser.positionalArguments().first(), moviePath, stage.scratchPrefix());
    if (!placed.ok()) {
        printErr(placed.error());
        return exitFailure;
    }
    placePictures(pictures, stage);

    FlashTemplatePlayer player(size);
    const Status loaded = player.Movie(moviePath);
    if (!loaded.ok()) {
        printErr(QStringLiteral("inspect movie: ") + loaded.error());
        return exitFailure;
    }
    const int total = player.TotalFrames();
    if (frames.isEmpty())
        frames = {0, total / 2, total - 1};
    for (int frame : frames) {
        if (frame >= total) {
            printErr(QStringLiteral("inspect movie: frame %1 is beyond the movie's %2 frames").arg(frame).arg(total));
            return exitUsage;
        }
    }

    const QDir output(parser.value(outputOption));
    if (!QDir().mkpath(output.path())) {
        printErr(QStringLiteral("inspect movie: cannot create %1").arg(output.path()));
        return exitFailure;
    }
    QImage image;
    for (int frame : frames) {
        player.FrameNum(frame);
        player.paintFrame(image);
        const QString file = output.filePath(QStringLiteral("frame_%1.png").arg(frame, 4, 10, QLatin1Char('0')));
        if (!image.save(file, "PNG")) {
            printErr(QStringLiteral("inspect movie: cannot write %1").arg(file));
            return exitFailure;
        }
        printOut(file);
    }
    return exitOk;
}

}  // namespace xc::cli
