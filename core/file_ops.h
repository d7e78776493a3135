#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace xc {

class Workspace;

// Recursive clean-up of a folder inside the data tree. Every failure is ignored; whatever cannot
// be deleted stays. Symbolic links are removed as links and never followed, and nothing outside
// the data tree is touched.
void deleteTree(const Workspace& workspace, const QString& folder);

// Creates the folder with its missing parents. Retries a bounded number of times (letting
// pending events run between attempts) and returns false when the folder still does not exist.
bool ensureFolder(const QString& folder);

// deleteTree, then ensureFolder.
bool wipeAndRecreate(const Workspace& workspace, const QString& folder);

// Exchanges the names of two files or folders through a parking name: A → parking, B → A,
// parking → B. Failures are silent, as every rename of the data tree.
void swapNames(const QString& a, const QString& b, const QString& parking);

// Renames when the source exists; a missing source or a failing rename changes nothing.
bool renameIfExists(const QString& from, const QString& to);

// The message shown when a folder of the data tree cannot be created.
QString folderNotCreatedMessage(const QString& folder);

// ensureFolder and wipeAndRecreate, failing with folderNotCreatedMessage.
Status makeFolder(const QString& folder);
Status recreateFolder(const Workspace& workspace, const QString& folder);

// The failure of a data-tree file that could not be written (full disk, no permission).
Status fileNotWritten(const QString& path);

}  // namespace xc
