// The desktop's render window against the bare render the command line runs, on the same album
// (the seven sample photos as DVD 1920 × 1080): the window repaints, shows the frame being made
// and answers its stop button while it works, and should cost at most 10 % of the speed
// (ratio ≥ 0.9). Alternates the two, three times each, and prints the medians.
#include "bench/median.h"
#include "core/album_model.h"
#include "core/keywords.h"
#include "core/progress.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "render/render_job.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"
#include "ui/render/render_window.h"
#include "ui/shell/theme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace xc;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::applyTheme(app);
    test::TestTree tree(test::TestTree::Contents::BuiltDataTree);
    AlbumModel model;
    startUp(model, tree.workspace());
    const QDir samples(tree.path(QStringLiteral("smxcwjj/samples")));
    QStringList photos;
    for (const QString& name : samples.entryList({QStringLiteral("*.jpg")}))
        photos.append(samples.filePath(name));
    const std::unique_ptr<RandomSource> random = seededRandomSource(1);
    if (Status imported = importPhotos(model, tree.workspace(), photos, noProgress(), *random); !imported.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(imported.error()));
        return 1;
    }
    model.settings.outputKind = kw::kindDvd;
    QTemporaryDir out;
    const RenderRequest request{out.filePath(QStringLiteral("album.mpg")), QSize(1920, 1080), lyricsType::both};

    std::vector<double> bare, window;
    qint64 frames = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        RenderJob job(model, tree.workspace(), request);
        const RenderResult result = job.run();
        bare.push_back(double(result.framesWritten) * 1000.0 / double(timer.elapsed()));
        frames = result.framesWritten;

        timer.restart();
        ui::RenderWindow renderWindow(model, tree.workspace(), request, QStringLiteral("album"));
        renderWindow.exec();
        window.push_back(double(renderWindow.result().framesWritten) * 1000.0 / double(timer.elapsed()));
    }
    std::printf("%lld frames: render window %.1f frames/s, bare render (as xiangce-cli make) %.1f frames/s, ratio %.2f (goal >= 0.90)\n",
                static_cast<long long>(frames), bench::median(window), bench::median(bare), bench::median(window) / bench::median(bare));
    return 0;
}
