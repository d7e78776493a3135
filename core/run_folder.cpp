#include "core/run_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace xc {

namespace {

const QString runPrefix = QStringLiteral("run-");

bool processAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// A folder only its owner may enter, as the runtime-folder rules ask.
bool makePrivateFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return false;
    return ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

}  // namespace

QString RunFolder::baseFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isWritable())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/xiangce");
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    const QString cacheHome = cache.isEmpty() ? QDir::homePath() + QStringLiteral("/.cache") : QString::fromLocal8Bit(cache);
    return cacheHome + QStringLiteral("/xiangce");
}

int RunFolder::removeAbandoned(const QString& base)
{
    int removed = 0;
    const QFileInfoList runs = QDir(base).entryInfoList({runPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& run : runs) {
        bool ok = false;
        const qint64 pid = run.fileName().mid(runPrefix.size()).toLongLong(&ok);
        if (ok && pid != QCoreApplication::applicationPid() && !processAlive(pid) && QDir(run.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

Result<std::unique_ptr<RunFolder>> RunFolder::create()
{
    using R = Result<std::unique_ptr<RunFolder>>;
    const QString base = baseFolder();
    if (!makePrivateFolder(base))
        return R::failure(QStringLiteral("无法创建工作文件夹：%1").arg(base));
    removeAbandoned(base);
    const QString path = base + QLatin1Char('/') + runPrefix + QString::number(QCoreApplication::applicationPid());
    // A folder of this id left by an earlier process is that process's, and it is gone.
    QDir(path).removeRecursively();
    if (!makePrivateFolder(path))
        return R::failure(QStringLiteral("无法创建工作文件夹：%1").arg(path));
    return R::success(std::unique_ptr<RunFolder>(new RunFolder(path + QLatin1Char('/'))));
}

RunFolder::~RunFolder() { QDir(m_path).removeRecursively(); }

}  // namespace xc
