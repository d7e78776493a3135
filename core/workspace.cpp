#include "core/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace xc {

Workspace::Workspace(QString appDir) : m_appDir(QDir::cleanPath(QDir(appDir).absolutePath()))
{
    if (!m_appDir.endsWith(QLatin1Char('/')))
        m_appDir += QLatin1Char('/');
}

Workspace Workspace::ofExecutable() { return Workspace(QCoreApplication::applicationDirPath()); }

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
