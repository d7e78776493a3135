#include "core/workspace_cleanup.h"

#include "core/file_ops.h"
#include "core/workspace.h"

#include <QFile>

namespace xc {

QStringList staleFileNames()
{
    return {
        "smxcwjj/tp_slt_tp_0_1.png",        "smxcwjj/tp_load/tp_load_1.bmp",
        "smxcwjj/tp_load/tp_load_1_1.bmp",  "smxcwjj/tp_load/tp_load_1.jpg",
        "smxcwjj/tp_load/tp_load_1_2_1.bmp", "smxcwjj/tp_load/tp_load_1_2_1.jpg",
        "smxcwjj/wj_0_or_1/wj_1_jy.rar",    "smxcwjj/tp_load/tp_load_0.rar",
        "smxcwjj/tp_0/tp_slt_0_02.rar",     "smxcwjj/tp_0/tp_slt_0_12.rar",
        "smxcwjj/tp_0/tp_slt_0_0.png",      "smxcwjj/tp_0/tp_slt_0_1.png",
        "smxcwjj/tp_0/tp_slt_1_02.rar",     "smxcwjj/tp_0/tp_slt_1_12.rar",
        "smxcwjj/tp_0/tp_slt_1_0.png",      "smxcwjj/tp_0/tp_slt_1_1.png",
        "smxcwjj/tp_0/tp_slt_tp_02.rar",    "smxcwjj/tp_0/tp_slt_tp_0.png",
        "smxcwjj/tp_0/tp_slt_tp_0_12.rar",  "smxcwjj/tp_0/tp_slt_tp_0_1.png",
    };
}

namespace {

void deleteStaleFiles(const Workspace& workspace)
{
    for (const QString& name : staleFileNames()) {
        const QString path = workspace.path(name);
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

}  // namespace

QStringList cleanWorkspaceAtStart(const Workspace& workspace)
{
    QStringList failed;
    for (const QString& folder : {paths::photoThumbnails, paths::musicThumbnails, paths::lyricsThumbnails,
                                  paths::movieScratch}) {
        if (!wipeAndRecreate(workspace, workspace.path(folder)))
            failed << workspace.path(folder);
    }
    for (const QString& folder : {paths::templateWorkArea, paths::exchangePictures, paths::unusedArea,
                                  paths::previewRoot})
        deleteTree(workspace, workspace.path(folder));
    deleteStaleFiles(workspace);
    return failed;
}

void cleanWorkspaceAtExit(const Workspace& workspace)
{
    for (const QString& folder : {paths::thumbnailRoot, paths::templateRoot, paths::parameterScratch,
                                  paths::unusedArea, paths::previewRoot, paths::movieScratch})
        deleteTree(workspace, workspace.path(folder));
    deleteStaleFiles(workspace);
}

}  // namespace xc
