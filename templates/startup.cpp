#include "templates/startup.h"

#include "core/workspace_cleanup.h"

namespace xc {

StartupReport startUp(AlbumModel& model, const Workspace& workspace)
{
    StartupReport report;
    report.catalogue = buildCatalogue(model, workspace);
    report.foldersNotCreated = cleanWorkspaceAtStart(workspace);
    return report;
}

}  // namespace xc
