#include "cli/cli_support.h"
#include "cli/commands.h"

#include "core/album_model.h"
#include "core/progress.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"

#include <QJsonArray>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace xc::cli {

namespace {

// A one-line bar on stderr while the import runs, when stderr is a terminal.
class TerminalProgress final : public Progress {
public:
    TerminalProgress() : m_shown(isatty(fileno(stderr))) {}
    ~TerminalProgress() override
    {
        if (m_shown && m_total > 0)
            std::fputc('\n', stderr);
    }
    void setTotal(int steps) override { m_total = steps; }
    void advance(int steps) override
    {
        m_done += steps;
        if (m_shown && m_total > 0)
            std::fprintf(stderr, "\r导入相片 %3d%%", 100 * m_done / m_total);
    }

private:
    bool m_shown;
    int m_total = 0, m_done = 0;
};

}  // namespace

int runPlan(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption photos(QStringLiteral("photos"),
                                    QStringLiteral("A photo file, or a folder whose .jpg/.jpeg files are added in name order. "
                                                   "Repeat it, or list more files after it."),
                                    QStringLiteral("FILE|DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the template draws, for a repeatable plan."),
                                  QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    parser.addOptions({photos, seed, json});
    parser.addPositionalArgument(QStringLiteral("FILE|DIR"), QStringLiteral("More photos."), QStringLiteral("[FILE|DIR…]"));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("plan"),
                      QStringLiteral("Starts up on the data tree and imports the photos exactly as the desktop does (probing, "
                                     "automatic template fitting, materialisation, thumbnails, fitting), then prints the photo "
                                     "table with all 22 columns and the group counter. The working files stay in the data tree "
                                     "until the next start."),
                      args, code))
        return code;
    const QStringList files = photoFilesFrom(parser.values(photos) + parser.positionalArguments());
    if (files.isEmpty()) {
        printErr(QStringLiteral("plan: no photos given (use --photos FILE|DIR)"));
        return exitUsage;
    }
    bool seedOk = true;
    const quint64 seedValue = parser.isSet(seed) ? parser.value(seed).toULongLong(&seedOk) : 0;
    if (!seedOk) {
        printErr(QStringLiteral("plan: --seed needs a whole number"));
        return exitUsage;
    }

    const std::optional<CommandWorkspace> work = workspaceFrom(parser);
    if (!work)
        return exitFailure;
    const Workspace& workspace = work->workspace;
    AlbumModel model;
    startUpReporting(model, workspace);

    const std::unique_ptr<RandomSource> random = parser.isSet(seed) ? seededRandomSource(seedValue) : clockRandomSource();
    Status imported = Status::success();
    {
        TerminalProgress progress;
        imported = importPhotos(model, workspace, files, progress, *random);
    }
    if (!imported.ok()) {
        printErr(imported.error());
        return exitFailure;
    }

    if (parser.isSet(json)) {
        QJsonArray rows;
        for (const PhotoRecord& row : model.photos)
            rows.append(recordToJson(row));
        QJsonObject out;
        out.insert(QStringLiteral("photos"), rows);
        out.insert(QStringLiteral("templateCounter"), model.settings.templateCounter);
        printJson(out);
        return exitOk;
    }
    printOut(recordHeader<PhotoRecord>());
    for (const PhotoRecord& row : model.photos)
        printOut(recordToLine(row));
    printOut(QStringLiteral("templateCounter\t") + model.settings.templateCounter);
    return exitOk;
}

}  // namespace xc::cli
