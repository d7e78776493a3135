#pragma once

#include "effects/album_length.h"
#include "render/lyrics_type_choice.h"
#include "render/overlay_timelines.h"
#include "render/render_log.h"
#include "render/render_state.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>

namespace xc {

struct AlbumModel;
class Workspace;

// What a launcher hands to a render.
struct RenderRequest {
    QString outputPath;   // the output file, or folder + "/01." + format for "XLTP"
    QSize outputSize;     // the size chosen in the output-size window; empty: the frame format's
    QString lyricsType = lyricsType::both;
};

// The render window's two progress bars. Bar 1 runs from 0 to 2 × the frame budget: once per
// frame listed, once per frame rendered. Bar 2 counts the list entries, then runs 0 … 100 over
// and over while frames are rendered.
struct RenderProgress {
    qint64 barOne = 0;
    qint64 barOneMaximum = 0;
    qint64 barTwo = 0;
    qint64 barTwoMaximum = 0;
    qint64 framesRendered = 0;
    qint64 frameBudget = 0;
};

class RenderListener {
public:
    virtual ~RenderListener() = default;
    virtual void progressChanged(const RenderProgress& /*progress*/) {}
    // Every composed frame, as it is handed to the encoder.
    virtual void frameComposed(qint64 /*index*/, const QImage& /*frame*/) {}
};

enum class RenderOutcome { Completed, Stopped, Failed };

struct RenderResult {
    RenderOutcome outcome = RenderOutcome::Failed;
    QString error;            // why the render failed
    qint64 framesWritten = 0;
    bool ok() const { return outcome == RenderOutcome::Completed; }
};

// One render of the album, driven alike by the desktop's render window and the command line:
// the start (state, start picture, template instances, frame budget, overlays, first template),
// the encoder run with one composed frame per encoder frame, and the end clean-up of the working
// files. Everything runs on the calling thread, which also delivers the template movies' events;
// the encoder works on a second thread inside the conversion.
class RenderJob {
public:
    RenderJob(AlbumModel& model, const Workspace& workspace, RenderRequest request);
    ~RenderJob();

    void setListener(RenderListener* listener) { m_listener = listener; }

    // Runs the whole render and returns when it has ended, been stopped or failed. The output is
    // closed in every case; the working files are gone.
    RenderResult run();

    // "停止制作": the conversion stops at the next frame. Safe from any thread and from a signal
    // handler (it only sets the flag).
    void stop() { m_stopRequested.store(true); }

    const AlbumPlan& plan() const { return m_plan; }
    const RenderState& state() const { return m_state; }
    const OverlayTimelines& overlays() const { return m_overlays; }
    const RenderLog& hostLog() const { return m_hostLog; }      // ListBox_jiazai_FLASH_xianshi
    const RenderLog& errorLog() const { return m_errorLog; }    // ListBox_cuowu_yichang_xianshi
    const RenderLog& progressLog() const { return m_progressLog; }
    RenderLog& progressLog() { return m_progressLog; }
    RenderLog& hostLog() { return m_hostLog; }
    RenderLog& errorLog() { return m_errorLog; }

    // The frame file every entry of the frame list names, and the other working files of a render.
    QString frameFilePath() const;
    void removeWorkingFiles() const;

private:
    void report();

    AlbumModel& m_model;
    const Workspace& m_workspace;
    RenderRequest m_request;
    RenderListener* m_listener = nullptr;
    std::atomic<bool> m_stopRequested{false};

    AlbumPlan m_plan;
    RenderState m_state;
    OverlayTimelines m_overlays;
    RenderLog m_hostLog;
    RenderLog m_errorLog;
    RenderLog m_progressLog;
    RenderProgress m_progress;
};

}  // namespace xc
