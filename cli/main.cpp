// xiangce-cli: the album core without windows.
#include "cli/commands.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // Text measuring and frame painting need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("xiangce-cli"));
    return xc::cli::dispatch(QStringLiteral("xiangce-cli"), xc::cli::topLevelCommands(), app.arguments().mid(1));
}
