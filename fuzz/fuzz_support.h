#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace xc::fuzz {

// The fuzzer hands bytes; these readers take files: one scratch file in memory-backed /dev/shm
// (or the temporary folder), rewritten for every input.
inline QString scratchFile(const QString& name)
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/xiangce-fuzz-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    return folder + QLatin1Char('/') + name;
}

inline QString writeScratch(const QString& name, const uint8_t* data, size_t size)
{
    const QString path = scratchFile(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

inline QByteArray bytesOf(const uint8_t* data, size_t size) { return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)); }

// Text measuring, pictures and fonts need a GUI application, never a display.
inline void startGuiApplication()
{
    static int argc = 1;
    static char name[] = "xiangce-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

}  // namespace xc::fuzz
