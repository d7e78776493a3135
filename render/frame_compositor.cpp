#include "render/frame_compositor.h"

#include "core/album_model.h"
#include "media/intro_video.h"
#include "render/overlay_timelines.h"
#include "render/render_log.h"
#include "render/render_state.h"
#include "render/start_picture.h"
#include "render/template_host.h"
#include "render/template_sequence.h"

#include <QPainter>

namespace xc {

namespace {

// Beyond this many canvases held by the encoder, a frame gets a canvas of its own.
constexpr int canvasPoolLimit = 8;

}  // namespace

FrameCompositor::FrameCompositor(AlbumModel& model, RenderState& state, TemplateHost& host,
                                 TemplateSequence& sequence, OverlayTimelines& overlays, StartPicture& startPicture,
                                 RenderLog& errorLog)
    : m_model(model), m_state(state), m_host(host), m_sequence(sequence), m_overlays(overlays),
      m_startPicture(startPicture), m_errorLog(errorLog)
{
}

void FrameCompositor::probe(const char* prefix)
{
    if (m_host.hasMovie()) {
        m_state.probeText = QString::fromLatin1(prefix) + QString::number(m_host.player()->TotalFrames());
        return;
    }
    // Without a movie only the closing template's failure is left: the album holds its picture.
    if (m_state.closingLoaded)
        return;
    m_errorLog.add(m_state.probeText + QStringLiteral(" : 错误"));
    m_sequence.loadNext();
}

QImage& FrameCompositor::freeCanvas()
{
    for (QImage& canvas : m_canvases) {
        if (canvas.isDetached())
            return canvas;
    }
    if (m_canvases.size() < canvasPoolLimit) {
        m_canvases.append(QImage(m_overlays.surface(), QImage::Format_ARGB32_Premultiplied));
        return m_canvases.last();
    }
    m_canvases.first() = QImage(m_overlays.surface(), QImage::Format_ARGB32_Premultiplied);
    return m_canvases.first();
}

bool FrameCompositor::templateEnded() const
{
    if (m_state.closingLoaded || !m_host.hasMovie())
        return false;
    const int total = m_host.player()->TotalFrames();
    return m_state.templateFrame > total - 2 || (m_state.frameLimit >= 0 && m_state.templateFrame + 1 >= m_state.frameLimit);
}

// The player paints the movie alone, so the overlays never enter the next start picture.
void FrameCompositor::handOverToNextTemplate()
{
    QImage lastFrame;
    m_host.player()->paintFrame(lastFrame);
    if (const Status written = m_startPicture.write(lastFrame.convertToFormat(QImage::Format_RGB32)); !written.ok())
        m_errorLog.add(written.error());
    m_sequence.loadNext();
}

void FrameCompositor::playIntroFirst(IntroVideoReader& intro, qint64 frames, bool overlaysOverIntro)
{
    m_intro = &intro;
    m_introFrames = frames;
    m_overlaysOverIntro = overlaysOverIntro;
}

QImage FrameCompositor::composeIntroFrame()
{
    QImage& canvas = freeCanvas();
    const QImage& picture = m_intro->nextFrame();
    QPainter painter(&canvas);
    painter.drawImage(canvas.rect(), picture);
    if (m_overlaysOverIntro) {
        m_overlays.paint(painter);
        for (const QString& problem : m_overlays.advance(m_model, ++m_introShown))
            m_errorLog.add(problem);
    } else {
        ++m_introShown;
    }
    painter.end();
    if (m_introShown == m_introFrames) {
        // The first template opens from the intro's last picture, without the overlays.
        if (const Status written = m_startPicture.write(picture.convertToFormat(QImage::Format_RGB32)); !written.ok())
            m_errorLog.add(written.error());
        m_sequence.loadNext();
    }
    return canvas;
}

QImage FrameCompositor::composeNext()
{
    if (m_introShown < m_introFrames)
        return composeIntroFrame();
    probe("1- ");
    ++m_state.templateFrame;
    ++m_state.albumFrame;

    QImage& canvas = freeCanvas();
    if (m_host.hasMovie()) {
        m_host.player()->FrameNum(m_state.templateFrame);
        m_host.player()->paintFrame(canvas);
    } else {
        QPainter(&canvas).drawImage(canvas.rect(), m_startPicture.current());
    }
    {
        QPainter painter(&canvas);
        m_overlays.paint(painter);
    }
    const qint64 overlayFrame = m_state.albumFrame + (m_overlaysOverIntro ? m_introFrames : 0);
    for (const QString& problem : m_overlays.advance(m_model, overlayFrame))
        m_errorLog.add(problem);

    if (templateEnded())
        handOverToNextTemplate();
    probe("2- ");
    return canvas;
}

}  // namespace xc
