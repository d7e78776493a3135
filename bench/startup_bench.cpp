// Start-up of the desktop program: from process start to the main window shown with the
// template catalogue read and the data tree cleaned, as `xiangce --quit-when-ready` reports it,
// beside the whole process's wall time. Runs the program N times (default 10) on the offscreen
// platform with a private runtime folder, so a running copy does not stop it.
#include "bench/median.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/xiangce");
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    std::vector<double> ready, wall;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {QStringLiteral("--quit-when-ready")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            std::fprintf(stderr, "xiangce did not start: %s\n", process.readAllStandardError().constData());
            return 1;
        }
        wall.push_back(double(timer.elapsed()));
        const QByteArray line = process.readAllStandardOutput();  // "ready after N ms"
        ready.push_back(line.split(' ').value(2).toDouble());
    }
    std::printf("start-up to the shown, ready main window: median %.0f ms (in-process), %.0f ms (whole process), %d runs\n",
                xc::bench::median(ready), xc::bench::median(wall), runs);
    return 0;
}
