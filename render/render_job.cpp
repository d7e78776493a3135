#include "render/render_job.h"

#include "core/album_model.h"
#include "core/workspace.h"
#include "media/conversion_library.h"
#include "media/ffmpeg_log.h"
#include "media/intro_video.h"
#include "render/encoder_run.h"
#include "render/frame_compositor.h"
#include "render/start_picture.h"
#include "render/template_host.h"
#include "render/template_sequence.h"

#include <QCoreApplication>
#include <QFile>

#include <malloc.h>

namespace xc {

namespace {

// Bar 2 restarts after every hundred frames.
constexpr int barTwoCycle = 100;

// Frames and template pictures are megabytes each and come and go all through a render. Served
// by mmap they go back to the system when freed; served from the heap (where the allocator moves
// them once it has seen such blocks freed) the memory freed by one thread is kept, and the
// resident size creeps up with the length of the album.
void keepLargeBuffersOutOfTheHeap() { mallopt(M_MMAP_THRESHOLD, 1024 * 1024); }

}  // namespace

RenderJob::RenderJob(AlbumModel& model, const Workspace& workspace, RenderRequest request)
    : m_model(model), m_workspace(workspace), m_request(std::move(request)), m_overlays(kAlbumCanvas)
{
}

RenderJob::~RenderJob() = default;

QString RenderJob::frameFilePath() const
{
    return m_workspace.path(paths::renderScratch + QStringLiteral("tp_load_1") + m_model.settings.ext7);
}

void RenderJob::removeWorkingFiles() const
{
    QFile::remove(frameFilePath());
    const QString lastFrame = m_workspace.path(paths::renderScratch + QStringLiteral("tp_load_1_2_1"));
    QFile::remove(lastFrame + m_model.settings.ext7);
    QFile::remove(lastFrame + QStringLiteral(".jpg"));
    StartPicture(m_workspace, m_model.settings).remove();
}

void RenderJob::report()
{
    if (m_listener)
        m_listener->progressChanged(m_progress);
}

RenderResult RenderJob::run()
{
    RenderResult result;
    keepLargeBuffersOutOfTheHeap();
    m_hostLog.clear();
    m_errorLog.clear();
    m_progressLog.clear();
    m_state = RenderState{};
    m_progress = RenderProgress{};

    StartPicture startPicture(m_workspace, m_model.settings);
    Result<QImage> designed = StartPicture::designed(m_workspace, kAlbumCanvas);
    QImage first = designed.ok() ? designed.value() : QImage(kAlbumCanvas, QImage::Format_RGB32);
    if (!designed.ok()) {
        m_errorLog.add(designed.error());
        first.fill(Qt::black);
    }
    if (const Status written = startPicture.write(first); !written.ok()) {
        result.error = written.error();
        removeWorkingFiles();
        return result;
    }

    m_plan = planAlbum(m_model, m_workspace);
    m_progress.frameBudget = m_plan.frameBudget;
    m_progress.barOneMaximum = m_plan.progressTotal();
    for (const QString& problem : m_overlays.prepare(m_model, m_plan, m_request.lyricsType))
        m_errorLog.add(problem);

    TemplateHost host(kAlbumCanvas, m_hostLog, m_errorLog);
    TemplateSequence sequence(m_model, m_workspace, m_plan, m_state, host, m_overlays);
    FrameCompositor compositor(m_model, m_state, host, sequence, m_overlays, startPicture, m_errorLog);
    std::unique_ptr<IntroVideoReader> intro;
    if (m_plan.introFrames > 0) {
        Result<std::unique_ptr<IntroVideoReader>> opened = IntroVideoReader::open(m_model.settings.introVideo, kAlbumCanvas);
        if (!opened.ok()) {
            result.error = opened.error();
            removeWorkingFiles();
            return result;
        }
        intro = std::move(opened.value());
        compositor.playIntroFirst(*intro, m_plan.introFrames, m_plan.overlayFramesBeforeAlbum() > 0);
    } else {
        sequence.loadNext();
    }

    ConversionLibrary library;
    configureConversion(library, m_model.settings, m_plan, frameFilePath(), m_request.outputSize, m_request.outputPath);
    m_progress.barOne = m_plan.frameBudget;
    m_progress.barTwoMaximum = m_plan.frameBudget + m_plan.audioFiles.size();
    m_progress.barTwo = m_progress.barTwoMaximum;
    report();
    m_progressLog.add(QStringLiteral("Total frames:  ") + QString::number(library.frameCount()));
    m_progressLog.add(QStringLiteral("Total samples: ") + QString::number(library.sampleCount()));
    m_progress.barTwo = 0;
    m_progress.barTwoMaximum = barTwoCycle;

    // The encoder reads each frame one call behind: its first frame is the start picture (the
    // intro's first picture when there is one), and every later one is what the previous call
    // composed.
    QImage pending = intro ? compositor.composeNext() : startPicture.current();
    library.setVideoFunction([&](int index, const QString&, QImage& frame) {
        frame = pending;
        if (m_listener)
            m_listener->frameComposed(index, frame);
        pending = compositor.composeNext();
        ++m_progress.barOne;
        ++m_progress.framesRendered;
        if (m_progress.barTwo >= barTwoCycle)
            m_progress.barTwo = 0;
        ++m_progress.barTwo;
        report();
        QCoreApplication::processEvents();
        if (m_stopRequested.load())
            library.abort();
    });
    library.setProgressFunction([this](const ConversionProgress& progress) {
        m_progressLog.add(conversionProgressText(progress));
    });
    library.setErrorFunction([this](const QString& error) { m_progressLog.add(error); });

    m_progressLog.add(QStringLiteral("Starting conversion..."));
    const ConversionResult converted = library.convert();
    if (library.hasError())
        m_progressLog.add(library.errorText());
    m_progressLog.add(QStringLiteral("Conversion ended."));
    for (const QString& line : takeFfmpegMessages())
        m_progressLog.add(QStringLiteral("FFmpeg: ") + line);

    host.release();
    removeWorkingFiles();
    result.framesWritten = converted.albumFrames;
    switch (converted.outcome) {
    case ConversionOutcome::Completed: result.outcome = RenderOutcome::Completed; break;
    case ConversionOutcome::Aborted: result.outcome = RenderOutcome::Stopped; break;
    case ConversionOutcome::Failed:
    case ConversionOutcome::NothingToConvert:
        result.outcome = RenderOutcome::Failed;
        result.error = converted.error.isEmpty() ? QStringLiteral("没有可以制作的画面") : converted.error;
        break;
    }
    return result;
}

}  // namespace xc
