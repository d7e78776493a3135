#include "cli/cli_support.h"
#include "cli/commands.h"

#include "photos/photo_probe.h"
#include "photos/thumbnail_service.h"

namespace xc::cli {

int runInspectPhoto(const QStringList& args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Photo files (JPEG)."), QStringLiteral("FILE…"));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect photo"),
                      QStringLiteral("Reads each photo's header: the decoded size, the size as shown (EXIF orientation "
                                     "applied), the orientation keyword the import records and the EXIF orientation value."),
                      args, code))
        return code;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        printErr(QStringLiteral("inspect photo: at least one FILE is needed"));
        return exitUsage;
    }

    printOut(QStringLiteral("file\tdecoded\tdisplayed\torientation\texif"));
    const auto size = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
    int result = exitOk;
    for (const QString& path : files) {
        const Result<PhotoInfo> info = probePhotoFile(path);
        if (!info.ok()) {
            printErr(info.error());
            result = exitFailure;
            continue;
        }
        const PhotoInfo& i = info.value();
        printOut(QStringList{path, size(i.decoded), size(i.displayed), orientationOf(i.displayed), QString::number(i.exifOrientation)}
                     .join(QLatin1Char('\t')));
    }
    return result;
}

}  // namespace xc::cli
