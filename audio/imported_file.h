#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace xc {

// The name fields an imported song, lyrics or karaoke file gets.
struct ImportedFileNames {
    QString name;  // the file name without its last four characters
    QString ext;   // the extension with its dot, in the file name's letter case
    QString path;  // the full path
};
ImportedFileNames importedFileNames(const QString& file);

// Checks that every file can be read before anything is imported; the notice names the first
// file that cannot, with `kind` naming what it is ("歌词文件", …).
Status checkReadableFiles(const QStringList& files, const QString& kind);

}  // namespace xc
