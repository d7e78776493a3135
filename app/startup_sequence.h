#pragma once

#include <QStringList>

class QApplication;

namespace xc::app {

struct StartupOptions {
    QString appDir;        // empty: the executable's folder
    QStringList files;     // photos to add once the album is ready
    bool quitWhenReady = false;
};

// Shows the main window, builds the template catalogue and cleans the data tree (telling the user
// in the message window when the catalogue cannot be used), adds the files named on the command
// line, and runs the program until it ends. Returns the exit code.
int runDesktop(QApplication& app, const StartupOptions& options);

}  // namespace xc::app
