#include "cli/cli_support.h"
#include "cli/commands.h"

#include "audio/lrc_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace xc::cli {

int runInspectLrc(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print {\"lines\": [{key, text}]} (with --at: {key, text})."));
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("Print the line shown at this song time key (exit code 1 when none is found)."),
                                QStringLiteral("mm:ss"));
    parser.addOption(json);
    parser.addOption(at);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The LRC file."));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect lrc"),
                      QStringLiteral("Reads an LRC file into the timed-line table, or finds the line for a song time key."), args,
                      code))
        return code;
    if (parser.positionalArguments().size() != 1) {
        printErr(QStringLiteral("inspect lrc: exactly one FILE is needed"));
        return exitUsage;
    }
    static const QRegularExpression timeKey(QStringLiteral("^\\d\\d:\\d\\d$"));
    if (parser.isSet(at) && !timeKey.match(parser.value(at)).hasMatch()) {
        printErr(QStringLiteral("inspect lrc: --at needs a song time key mm:ss, not '%1'").arg(parser.value(at)));
        return exitUsage;
    }

    const Result<QList<LrcLine>> table = readLrcFile(parser.positionalArguments().first());
    if (!table.ok()) {
        printErr(table.error());
        return exitFailure;
    }

    if (parser.isSet(at)) {
        const std::optional<QString> text = findLrcLine(table.value(), parser.value(at));
        if (!text)
            return exitFailure;
        if (parser.isSet(json))
            printOut(QString::fromUtf8(QJsonDocument(QJsonObject{{"key", parser.value(at)}, {"text", *text}}).toJson(QJsonDocument::Compact)));
        else
            printOut(*text);
        return exitOk;
    }

    if (parser.isSet(json)) {
        QJsonArray lines;
        for (const LrcLine& line : table.value())
            lines.append(QJsonObject{{"key", line.key}, {"text", line.text}});
        printJson(QJsonObject{{"lines", lines}});
    } else {
        for (const LrcLine& line : table.value())
            printOut(line.key + QLatin1Char('\t') + line.text);
    }
    return exitOk;
}

}  // namespace xc::cli
