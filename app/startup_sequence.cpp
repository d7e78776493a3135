#include "app/startup_sequence.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/run_folder.h"
#include "core/workspace.h"
#include "photos/random_source.h"
#include "templates/startup.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/main_layout.h"
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace xc::app {

namespace {

// What start-up has to tell the user; empty when all is well.
QStringList startupNotices(const StartupReport& report)
{
    QStringList notices;
    if (!report.catalogue.notice().isEmpty())
        notices.append(report.catalogue.notice());
    for (const QString& folder : report.foldersNotCreated)
        notices.append(folderNotCreatedMessage(folder));
    return notices;
}

}  // namespace

int runDesktop(QApplication& app, const StartupOptions& options)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    AlbumModel model;
    ui::Dialogs dialogs;
    // Working files go to this run's own folder, so an installed copy (its data read-only) works
    // and runs beside another run of the program lose nothing.
    const Result<std::unique_ptr<RunFolder>> run = RunFolder::create();
    if (!run.ok()) {
        dialogs.message(nullptr, run.error());
        return 1;
    }
    const Workspace workspace(options.appDir.isEmpty() ? Workspace::installedDataDir() : options.appDir, run.value()->path());
    const std::unique_ptr<RandomSource> random = clockRandomSource();

    ui::MainWindow window(model, workspace, dialogs, *random);
    QObject::connect(&window, &ui::MainWindow::exitFinished, &app, [&app] { app.exit(0); });
    window.applyLayout(ui::layoutKeyword::start);
    window.show();

    int exitCode = -1;
    // The album is made ready once the window is on screen, so the user sees the program at once.
    QTimer::singleShot(0, &window, [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const StartupReport report = startUp(model, workspace);
        QApplication::restoreOverrideCursor();
        const QStringList notices = startupNotices(report);
        if (report.catalogue.usableTemplates == 0) {
            dialogs.message(&window, (notices + QStringList{QStringLiteral("没有可以使用的模板文件，本软件无法运行！")})
                                         .join(QStringLiteral("\n\n")));
            exitCode = 1;
            app.exit(exitCode);
            return;
        }
        if (options.quitWhenReady) {
            std::printf("ready after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            app.exit(0);
            return;
        }
        for (const QString& notice : notices)
            dialogs.message(&window, notice);
        if (!options.files.isEmpty())
            window.addFiles(options.files);
    });
    const int code = app.exec();
    return exitCode >= 0 ? exitCode : code;
}

}  // namespace xc::app
