#include "core/file_ops.h"

#include "core/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace xc {

namespace {

constexpr int folderAttempts = 20;
constexpr int folderRetryMs = 100;

void deleteTreeInside(const QString& folder)
{
    QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            QFile::remove(entry.absoluteFilePath());
        else
            deleteTreeInside(entry.absoluteFilePath());
    }
    QDir().rmdir(folder);
}

}  // namespace

void deleteTree(const Workspace& workspace, const QString& folder)
{
    const QFileInfo info(folder);
    if (!workspace.containsPath(info.absoluteFilePath()))
        return;
    if (info.isSymLink()) {
        QFile::remove(info.absoluteFilePath());
        return;
    }
    if (info.isDir())
        deleteTreeInside(info.absoluteFilePath());
}

bool ensureFolder(const QString& folder)
{
    for (int attempt = 0; attempt < folderAttempts; ++attempt) {
        if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
            return true;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        QThread::msleep(folderRetryMs);
    }
    return QFileInfo(folder).isDir();
}

bool wipeAndRecreate(const Workspace& workspace, const QString& folder)
{
    deleteTree(workspace, folder);
    return ensureFolder(folder);
}

Status makeFolder(const QString& folder)
{
    return ensureFolder(folder) ? Status::success() : Status::failure(folderNotCreatedMessage(folder));
}

Status recreateFolder(const Workspace& workspace, const QString& folder)
{
    return wipeAndRecreate(workspace, folder) ? Status::success() : Status::failure(folderNotCreatedMessage(folder));
}

Status fileNotWritten(const QString& path)
{
    return Status::failure(QStringLiteral("无法写入文件：%1（请检查磁盘空间和写入权限）").arg(QDir::toNativeSeparators(path)));
}

bool renameIfExists(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from))
        return false;
    return QDir().rename(from, to);
}

void swapNames(const QString& a, const QString& b, const QString& parking)
{
    renameIfExists(a, parking);
    renameIfExists(b, a);
    renameIfExists(parking, b);
}

QString folderNotCreatedMessage(const QString& folder)
{
    return QStringLiteral("无法创建文件夹：%1（请检查磁盘空间和写入权限）").arg(QDir::toNativeSeparators(folder));
}

}  // namespace xc
