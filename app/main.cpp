// xiangce: the desktop program.
#include "app/startup_sequence.h"

#include "core/single_instance.h"
#include "media/ffmpeg_log.h"
#include "ui/shell/theme.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    // Sharp on high-density screens at any scale, not only whole multiples.
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    xc::keepFfmpegMessages();
    QApplication::setApplicationName(QStringLiteral("xiangce"));
    QApplication::setApplicationDisplayName(xc::applicationTitle);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("相册工坊: makes photo-album videos from photos, songs and lyrics."));
    parser.addHelpOption();
    const QCommandLineOption appDir(QStringLiteral("app-dir"),
                                    QStringLiteral("The program folder holding the data tree (default: the folder of xiangce)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption quitWhenReady(QStringLiteral("quit-when-ready"),
                                           QStringLiteral("Start, print the start-up time in milliseconds, and end (for benchmarks)."));
    parser.addOption(appDir);
    parser.addOption(quitWhenReady);
    parser.addPositionalArgument(QStringLiteral("photos"), QStringLiteral("JPEG photos to add to the new album."), QStringLiteral("[photos…]"));
    parser.process(app);

    // A second copy leaves at once and quietly; the first one is not disturbed.
    const xc::SingleInstanceGuard guard;
    if (!guard.isFirstInstance())
        return 0;

    xc::ui::applyTheme(app);
    xc::app::StartupOptions options;
    options.appDir = parser.value(appDir);
    options.files = parser.positionalArguments();
    options.quitWhenReady = parser.isSet(quitWhenReady);
    return xc::app::runDesktop(app, options);
}
