#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/template_page.h"
#include "cli/template_sheet.h"

#include "core/album_model.h"
#include "templates/catalogue.h"

#include <QDir>
#include <QJsonArray>

namespace xc::cli {

namespace {

constexpr int exitNoTemplates = 3;

QJsonArray listToJson(const TemplateList& list)
{
    QJsonArray array;
    for (const TemplateRecord& row : list)
        array.append(recordToJson(row, list.layout()));
    return array;
}

void printList(const QString& title, const TemplateList& list)
{
    printOut(QStringLiteral("%1 (%2)").arg(title).arg(list.count()));
    printOut(QStringLiteral("  ") + recordHeader(list.layout()));
    for (const TemplateRecord& row : list)
        printOut(QStringLiteral("  ") + recordToLine(row, list.layout()));
}

}  // namespace

int runTemplates(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    parser.addOption(json);
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Render a contact sheet of every template (frames at 0, 25, 50, 75, 100 %) to this PNG."),
                                   QStringLiteral("OUT.png"));
    parser.addOption(sheet);
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("Write a page of every template with a picture of each (index.html and JPEGs) into this folder."),
                                  QStringLiteral("DIR"));
    parser.addOption(page);
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("templates"),
                      QStringLiteral("Builds the template catalogue exactly as start-up does and prints the catalogue "
                                     "and the landscape, portrait and advanced lists."),
                      args, code))
        return code;

    AlbumModel model;
    const std::optional<CommandWorkspace> work = workspaceFrom(parser);
    if (!work)
        return exitFailure;
    const Workspace& workspace = work->workspace;
    reportLeftOutTemplates(buildCatalogue(model, workspace).leftOut);

    if (parser.isSet(sheet)) {
        const Result<QImage> image = renderTemplateSheet(model, workspace);
        if (!image.ok() || !image.value().save(parser.value(sheet), "PNG")) {
            printErr(QStringLiteral("templates --sheet: %1").arg(image.ok() ? QStringLiteral("cannot write ") + parser.value(sheet) : image.error()));
            return exitFailure;
        }
        printOut(parser.value(sheet));
        return exitOk;
    }
    if (parser.isSet(page)) {
        if (Status written = writeTemplatePage(model, workspace, parser.value(page)); !written.ok()) {
            printErr(QStringLiteral("templates --page: %1").arg(written.error()));
            return exitFailure;
        }
        printOut(QDir(parser.value(page)).filePath(QStringLiteral("index.html")));
        return exitOk;
    }
    if (parser.isSet(json)) {
        QJsonObject out;
        out.insert(QStringLiteral("catalogue"), listToJson(model.catalogue));
        out.insert(QStringLiteral("landscape"), listToJson(model.landscapeTemplates));
        out.insert(QStringLiteral("portrait"), listToJson(model.portraitTemplates));
        out.insert(QStringLiteral("advanced"), listToJson(model.advancedTemplates));
        printJson(out);
    } else {
        printList(QStringLiteral("Catalogue"), model.catalogue);
        printList(QStringLiteral("Landscape"), model.landscapeTemplates);
        printList(QStringLiteral("Portrait"), model.portraitTemplates);
        printList(QStringLiteral("Advanced"), model.advancedTemplates);
    }
    return model.catalogue.isEmpty() ? exitNoTemplates : exitOk;
}

}  // namespace xc::cli
