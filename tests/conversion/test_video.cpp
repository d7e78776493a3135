#include "tests/conversion/test_video.h"

#include "media/conversion_library.h"

#include <QImage>

namespace xc::test {

QString writeTestVideo(const QString& path, int frames, QSize size, QColor colour, QColor lastColour)
{
    ConversionLibrary library;
    for (int i = 0; i < frames; ++i)
        library.addToList(ConversionLibrary::ListKind::FrameFile, QStringLiteral("frame"));
    library.setTvSystem(TvSystem::Pal);
    library.setOutputSize(size.width(), size.height());
    library.setVideoFileName(path);
    library.setVideoFunction([=](int index, const QString&, QImage& frame) {
        frame = QImage(size, QImage::Format_RGB32);
        frame.fill(index == frames - 1 ? lastColour : colour);
    });
    return library.convert().outcome == ConversionOutcome::Completed ? path : QString();
}

}  // namespace xc::test
