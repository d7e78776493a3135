#pragma once

#include "templates/catalogue.h"

#include <QStringList>

namespace xc {

struct AlbumModel;
class Workspace;

struct StartupReport {
    CatalogueReport catalogue;
    QStringList foldersNotCreated;
};

// What start-up does once the single-instance lock is held: build the template catalogue, then
// clean the data tree.
StartupReport startUp(AlbumModel& model, const Workspace& workspace);

}  // namespace xc
