#include "templates/materialisation.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "templates/package_codec.h"

namespace xc {

namespace {

QString closingFolderPath(const Workspace& workspace)
{
    return workspace.path(paths::templateWorkArea) + QStringLiteral("tp_wjj_zuihou/");
}

}  // namespace

QString closingMoviePath(const Workspace& workspace, const AlbumSettings& settings)
{
    return closingFolderPath(workspace) + QStringLiteral("w_j_zuihou") + settings.ext1;
}

Status materialiseTemplates(AlbumModel& model, const Workspace& workspace, Progress& progress)
{
    AlbumSettings& settings = model.settings;
    const QString workArea = workspace.path(paths::templateWorkArea);
    if (settings.materialiseSwitch == kw::on) {
        const QString pictures = workspace.path(paths::exchangePictures);
        deleteTree(workspace, workArea);
        deleteTree(workspace, pictures);
        for (const QString& folder : {workArea, pictures}) {
            if (Status made = makeFolder(folder); !made.ok())
                return made;
        }
        settings.materialiseSwitch = kw::off;
    }
    progress.advance();

    if (Status made = makeFolder(workspace.path(paths::movieScratch)); !made.ok())
        return made;
    int counter = settings.decodeRunCounter.toInt() + 1;
    for (const PhotoRecord& row : model.photos) {
        ++counter;
        if (row.thumbDone != kw::notDone)
            continue;
        const QString folder = instanceFolderPath(workspace, row.templateFolder);
        if (Status made = makeFolder(folder); !made.ok())
            return made;
        const QString scratch = workspace.path(paths::movieScratch) + QStringLiteral("wj_1_jy") + QString::number(counter);
        // Each new row decodes its instance's movie again, to the same file; the fresh counter
        // keeps the intermediate files of every decode apart.
        const Status decoded =
            decodePackage(row.templatePackage, scratch, folder + instanceMovieName(row.templateFolder, settings.ext1));
        if (!decoded.ok())
            return decoded;
    }
    settings.decodeRunCounter = QString::number(counter);

    if (settings.templateCounter != QStringLiteral("0"))
        settings.templateFolderPrefix = instanceFolderPrefix(workspace);
    return Status::success();
}

Status materialiseClosingTemplate(const Workspace& workspace, const AlbumSettings& settings)
{
    const QString folder = closingFolderPath(workspace);
    deleteTree(workspace, folder);
    if (Status made = makeFolder(folder); !made.ok())
        return made;
    if (Status made = makeFolder(workspace.path(paths::movieScratch)); !made.ok())
        return made;
    return decodePackage(workspace.path(paths::closingPackage),
                         workspace.path(paths::movieScratch) + QStringLiteral("w_j_zuihou"), closingMoviePath(workspace, settings));
}

}  // namespace xc
