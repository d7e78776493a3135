#include "audio/imported_file.h"

#include <QFileInfo>

namespace xc {

ImportedFileNames importedFileNames(const QString& file)
{
    const QFileInfo info(file);
    const QString fileName = info.fileName();
    const QString suffix = info.suffix();
    return {fileName.left(std::max<qsizetype>(0, fileName.size() - 4)),
            suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix, info.absoluteFilePath()};
}

Status checkReadableFiles(const QStringList& files, const QString& kind)
{
    for (const QString& file : files) {
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable())
            return Status::failure(QStringLiteral("无法读取%1：%2").arg(kind, file));
    }
    return Status::success();
}

}  // namespace xc
