#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace xc {

struct AlbumModel;
class Workspace;

// Package files that could not become catalogue rows, each with the reason.
struct CatalogueReport {
    QStringList leftOut;     // "path: reason" per file (or the reason the scan failed)
    QStringList leftOutFiles;  // the paths of those files
    int usableTemplates = 0;

    // Adds a file that was left out, with the reason.
    void leaveOut(const QString& path, const QString& reason);
    // One notice for the desktop naming the files that were left out (the first few of a long
    // list); empty when none was.
    QString notice() const;
};

// Lists a package folder in ascending name order, entering sub-folders where they are met;
// only ".rar" and ".RAR" files count.
QStringList listPackages(const QString& folder);

// The command "读取模板参数": scans both package folders and pairs the i-th parameter package
// with the i-th movie package. Packages without a partner are reported, not paired.
Status scanAndPair(AlbumModel& model, const Workspace& workspace, CatalogueReport& report);

// The command "解压全部模板": decodes each parameter package, checks its marker and appends a
// catalogue row. A package that fails is left out and reported; the others are read.
void readCatalogue(AlbumModel& model, const Workspace& workspace, CatalogueReport& report);

// Scan, read, sort and count, as start-up does.
CatalogueReport buildCatalogue(AlbumModel& model, const Workspace& workspace);

}  // namespace xc
