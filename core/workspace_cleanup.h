#pragma once

#include <QStringList>

namespace xc {

class Workspace;

// Leftover scratch files of earlier runs, deleted at start and at exit in this order.
QStringList staleFileNames();

// The start clean-up, run after the catalogue is read. Returns the folders that could not be
// recreated (empty when all is well).
QStringList cleanWorkspaceAtStart(const Workspace& workspace);

// The exit clean-up.
void cleanWorkspaceAtExit(const Workspace& workspace);

}  // namespace xc
