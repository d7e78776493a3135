#include "cli/cli_support.h"
#include "cli/commands.h"

#include "audio/karaoke_script.h"
#include "audio/lyric_styles.h"
#include "core/keywords.h"

#include <QJsonArray>
#include <QJsonObject>

namespace xc::cli {

namespace {

QJsonObject lineToJson(const KaraokeLine& line)
{
    QJsonArray groups;
    for (const KaraokeGroup& group : line.groups) {
        groups.append(QJsonObject{{"text", group.text},
                                  {"frames", group.frames},
                                  {"width", group.width},
                                  {"cumulativeWidth", group.cumulativeWidth},
                                  {"pixelsPerFrame", group.pixelsPerFrame}});
    }
    return QJsonObject{{"start", line.start},         {"end", line.end},     {"text", line.text},
                       {"timing", line.timing},       {"appear", line.appearKey}, {"hide", line.hideKey},
                       {"scroll", line.scrollKey},    {"slot", line.slot},   {"processed", line.processedText},
                       {"groups", groups}};
}

}  // namespace

int runInspectKsc(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print {\"lines\": [{…, \"groups\": […]}]}."));
    const QCommandLineOption fontSize(QStringLiteral("font-size"),
                                      QStringLiteral("The style's font size; widths are measured at the video's karaoke size for it (default 25)."),
                                      QStringLiteral("N"), QStringLiteral("25"));
    const QCommandLineOption script(QStringLiteral("script"), QStringLiteral("Characters shown: jianti (simplified, default) or fanti (traditional)."),
                                    QStringLiteral("jianti|fanti"), kw::scriptSimplified);
    parser.addOption(json);
    parser.addOption(fontSize);
    parser.addOption(script);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The KSC karaoke script."));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect ksc"),
                      QStringLiteral("Reads a karaoke script as the render does: lines, keys, slots and measured groups."), args, code))
        return code;
    if (parser.positionalArguments().size() != 1) {
        printErr(QStringLiteral("inspect ksc: exactly one FILE is needed"));
        return exitUsage;
    }
    bool sizeOk = false;
    const int size = parser.value(fontSize).toInt(&sizeOk);
    if (!sizeOk || size <= 0 || size > 1000) {
        printErr(QStringLiteral("inspect ksc: --font-size needs a positive number, not '%1'").arg(parser.value(fontSize)));
        return exitUsage;
    }
    if (parser.value(script) != kw::scriptSimplified && parser.value(script) != kw::scriptTraditional) {
        printErr(QStringLiteral("inspect ksc: --script is jianti or fanti, not '%1'").arg(parser.value(script)));
        return exitUsage;
    }

    KaraokeStyleRecord row;
    applyDefaultKaraokeStyle(row);
    row.fontSize = QString::number(size);
    row.script = parser.value(script);
    const Result<QList<KaraokeLine>> lines =
        loadKaraokeScript(parser.positionalArguments().first(), karaokeStyleFor(row, QSize(1920, 1080)));
    if (!lines.ok()) {
        printErr(lines.error());
        return exitFailure;
    }

    if (parser.isSet(json)) {
        QJsonArray array;
        for (const KaraokeLine& line : lines.value())
            array.append(lineToJson(line));
        printJson(QJsonObject{{"lines", array}});
        return exitOk;
    }
    for (const KaraokeLine& line : lines.value()) {
        printOut(QStringList{line.start, line.end, line.text, line.timing, line.appearKey, line.hideKey, line.scrollKey,
                             line.slot, line.processedText}
                     .join(QLatin1Char('\t')));
        for (const KaraokeGroup& group : line.groups) {
            printOut(QStringLiteral("  %1\t%2 frames\twidth %3\tcumulative %4\t%5 px/frame")
                         .arg(group.text)
                         .arg(group.frames)
                         .arg(group.width)
                         .arg(group.cumulativeWidth)
                         .arg(group.pixelsPerFrame));
        }
    }
    return exitOk;
}

}  // namespace xc::cli
