#include "cli/cli_support.h"
#include "cli/commands.h"

#include "audio/music_import.h"
#include "media/song_pcm_decoder.h"

#include <QJsonArray>
#include <QJsonObject>

namespace xc::cli {

int runInspectSong(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print {\"songs\": [{path, lengthMs, duration, frames}]}."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Song files (MP3)."), QStringLiteral("FILE…"));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect song"),
                      QStringLiteral("Measures songs as the music import does: length in ms, duration text and frames."), args,
                      code))
        return code;
    if (parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("inspect song: at least one FILE is needed"));
        return exitUsage;
    }

    int result = exitOk;
    QJsonArray songs;
    for (const QString& path : parser.positionalArguments()) {
        const Result<qint64> length = measureSongLengthMs(path);
        if (!length.ok()) {
            printErr(length.error());
            result = exitFailure;
            continue;
        }
        const QString duration = musicDurationText(length.value());
        const QString frames = musicFrameCount(length.value());
        if (parser.isSet(json))
            songs.append(QJsonObject{{"path", path}, {"lengthMs", length.value()}, {"duration", duration}, {"frames", frames.toInt()}});
        else
            printOut(QStringList{path, QString::number(length.value()), duration, frames}.join(QLatin1Char('\t')));
    }
    if (parser.isSet(json))
        printJson(QJsonObject{{"songs", songs}});
    return result;
}

}  // namespace xc::cli
