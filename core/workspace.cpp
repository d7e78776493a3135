#include "core/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace xc {

namespace {

QString folderPath(const QString& folder)
{
    QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (!clean.endsWith(QLatin1Char('/')))
        clean += QLatin1Char('/');
    return clean;
}

}  // namespace

bool isShippedPath(const QString& relative)
{
    static const QStringList shipped{paths::parameterPackages, paths::moviePackages, paths::closingPackage, paths::samples,
                                     paths::samplePhotos,      paths::pictures,      paths::templatePage};
    for (QString prefix : shipped) {
        if (prefix.endsWith(QLatin1Char('/')))
            prefix.chop(1);
        if (relative == prefix || relative.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
}

Workspace::Workspace(QString appDir) : Workspace(appDir, appDir) {}

Workspace::Workspace(QString dataDir, QString workDir) : m_dataDir(folderPath(dataDir)), m_workDir(folderPath(workDir)) {}

QString Workspace::installedDataDir()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + QLatin1Char('/') + paths::parameterPackages))
        return beside;
    return QDir::cleanPath(beside + QStringLiteral("/../share/xiangce"));
}

QString Workspace::path(const QString& relative) const
{
    return (isShippedPath(relative) ? m_dataDir : m_workDir) + relative;
}

bool Workspace::containsPath(const QString& absolutePath) const
{
    const QString clean = QDir::cleanPath(absolutePath);
    const QString root = QDir::cleanPath(workRoot());
    return clean == root || clean.startsWith(root + QLatin1Char('/'));
}

QString instanceFolderPrefix(const Workspace& workspace)
{
    return workspace.path(paths::templateWorkArea) + QStringLiteral("tp_wjj_");
}

QString instanceFolderPath(const Workspace& workspace, const QString& instance)
{
    return instanceFolderPrefix(workspace) + instance + QLatin1Char('/');
}

QString instanceMovieName(const QString& instance, const QString& movieExtension)
{
    return QStringLiteral("w_j_") + instance + movieExtension;
}

}  // namespace xc
