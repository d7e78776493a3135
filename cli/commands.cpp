#include "cli/commands.h"

#include "cli/cli_support.h"

namespace xc::cli {

QList<Command> topLevelCommands()
{
    return {
        {"templates", "Build the template catalogue as start-up does and print it.", runTemplates},
        {"inspect", "Inspect one file: package, movie, photo, song, lrc, ksc.", runInspect},
        {"plan", "Import photos as the desktop does and print the photo table.", runPlan},
        {"make", "Make an album: photos, songs, lyrics and text effects into VCD/SVCD/DVD/AVI/MP4 or pictures.", runMake},
    };
}

QList<Command> inspectCommands()
{
    return {
        {"package", "Decode one template package and write its payload.", runInspectPackage},
        {"photo", "Read photos' headers: decoded and shown size, orientation, EXIF value.", runInspectPhoto},
        {"movie", "Render chosen frames of one template movie to PNG.", runInspectMovie},
        {"song", "Measure songs: length in ms, duration text and frames.", runInspectSong},
        {"lrc", "Read an LRC file into its timed-line table, or find the line at mm:ss.", runInspectLrc},
        {"ksc", "Read a karaoke script: lines, keys, slots and measured groups.", runInspectKsc},
    };
}

int runInspect(const QStringList& args) { return dispatch(QStringLiteral("xiangce-cli inspect"), inspectCommands(), args); }

int dispatch(const QString& prefix, const QList<Command>& commands, const QStringList& args)
{
    const QString name = args.value(0);
    for (const Command& command : commands) {
        if (command.name == name)
            return command.run(args.mid(1));
    }
    const bool askedForHelp = name.isEmpty() || name == QStringLiteral("--help") || name == QStringLiteral("-h");
    QStringList lines{QStringLiteral("Usage: %1 COMMAND [OPTIONS]   (COMMAND --help for its options)").arg(prefix), QString(),
                      QStringLiteral("Commands:")};
    for (const Command& command : commands)
        lines << QStringLiteral("  %1  %2").arg(command.name, -10).arg(command.summary);
    lines << QString() << QStringLiteral("Every command takes --app-dir DIR (default: the folder of xiangce-cli).");
    if (askedForHelp) {
        printOut(lines.join(QLatin1Char('\n')));
        return exitOk;
    }
    printErr(QStringLiteral("%1: unknown command '%2'").arg(prefix, name));
    printErr(lines.join(QLatin1Char('\n')));
    return exitUsage;
}

}  // namespace xc::cli
