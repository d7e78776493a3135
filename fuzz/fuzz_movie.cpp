// The template movie reader: a Lottie file loaded by the template player (with a start picture
// beside it, as in a template folder) and two of its frames painted.
#include "fuzz/fuzz_support.h"
#include "media/flash_template_player.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    xc::fuzz::startGuiApplication();
    static const bool folder = [] {
        QDir().mkpath(xc::fuzz::scratchFile(QStringLiteral("tp_wjj/tp_wjj/tp_wjj_1")));
        QDir().mkpath(xc::fuzz::scratchFile(QStringLiteral("tp_wjj/pic")));
        QImage start(32, 18, QImage::Format_RGB32);
        start.fill(Qt::darkCyan);
        return start.save(xc::fuzz::scratchFile(QStringLiteral("tp_wjj/pic/picture_0.rar")), "JPEG");
    }();
    (void)folder;
    const QString movie = xc::fuzz::writeScratch(QStringLiteral("tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"), data, size);
    xc::FlashTemplatePlayer player(QSize(64, 36));
    if (!player.Movie(movie).ok())
        return 0;
    QImage frame;
    player.paintFrame(frame);
    player.FrameNum(player.TotalFrames() / 2);
    player.paintFrame(frame);
    return 0;
}
