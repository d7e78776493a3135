// xiangce-cli: the album core without windows.
#include "cli/commands.h"
#include "media/ffmpeg_log.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    // Text measuring and frame painting need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (CI, ssh) give Qt a private runtime folder instead of a warning per run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/xiangce-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    xc::keepFfmpegMessages();
    QGuiApplication::setApplicationName(QStringLiteral("xiangce-cli"));
    return xc::cli::dispatch(QStringLiteral("xiangce-cli"), xc::cli::topLevelCommands(), app.arguments().mid(1));
}
