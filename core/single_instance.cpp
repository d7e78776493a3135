#include "core/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace xc {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFolder)
{
    QString folder = lockFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + applicationTitle + QStringLiteral(".lock"));
    // The lock is held for the whole run; only a crashed holder (dead PID) makes it stale.
    m_lock->setStaleLockTime(0);
    m_acquired = m_lock->tryLock(100);
}

}  // namespace xc
