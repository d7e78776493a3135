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

}  // namespace xc
