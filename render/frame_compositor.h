#pragma once

#include <QImage>
#include <QList>

namespace xc {

struct AlbumModel;
struct RenderState;
class OverlayTimelines;
class RenderLog;
class StartPicture;
class TemplateHost;
class TemplateSequence;
class IntroVideoReader;

// Makes one album frame per call: steps the current template movie one frame, paints it on the
// 1920 × 1080 canvas with the overlays over it, advances the overlay timelines (so every frame
// shows the overlays one frame behind the movie frame it carries) and, when the movie's last
// frame has been shown, saves that frame as the next movie's start picture and loads the next
// template.
class FrameCompositor {
public:
    FrameCompositor(AlbumModel& model, RenderState& state, TemplateHost& host, TemplateSequence& sequence,
                    OverlayTimelines& overlays, StartPicture& startPicture, RenderLog& errorLog);

    // An intro video plays first, for `frames` frames; its last picture becomes the first
    // template's start picture, and that template loads only then. The overlays run over the
    // intro when their clock starts with it (the music from the first frame).
    void playIntroFirst(IntroVideoReader& intro, qint64 frames, bool overlaysOverIntro);

    // The next frame. The returned image is not painted again while a copy of it is alive, so
    // it can be handed to the encoder as it is.
    QImage composeNext();

private:
    QImage composeIntroFrame();
    void probe(const char* prefix);
    QImage& freeCanvas();
    bool templateEnded() const;
    void handOverToNextTemplate();

    AlbumModel& m_model;
    RenderState& m_state;
    TemplateHost& m_host;
    TemplateSequence& m_sequence;
    OverlayTimelines& m_overlays;
    StartPicture& m_startPicture;
    RenderLog& m_errorLog;
    IntroVideoReader* m_intro = nullptr;
    qint64 m_introFrames = 0;
    qint64 m_introShown = 0;
    bool m_overlaysOverIntro = false;
    // Canvases in rotation: one the encoder no longer holds is painted next, so no frame is
    // copied or allocated while the encoder keeps a few queued.
    QList<QImage> m_canvases;
};

}  // namespace xc
