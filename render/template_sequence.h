#pragma once

namespace xc {

struct AlbumModel;
struct AlbumPlan;
struct RenderState;
class OverlayTimelines;
class TemplateHost;
class Workspace;

// Walks the render template list: loads the next template into the host and, after the last
// one, the closing template. A template that cannot be loaded is skipped (the host has logged
// why); when even the closing template fails, no movie is left and the album holds its last
// picture to the end.
class TemplateSequence {
public:
    TemplateSequence(AlbumModel& model, const Workspace& workspace, const AlbumPlan& plan, RenderState& state,
                     TemplateHost& host, OverlayTimelines& overlays);

    void loadNext();

private:
    AlbumModel& m_model;
    const Workspace& m_workspace;
    const AlbumPlan& m_plan;
    RenderState& m_state;
    TemplateHost& m_host;
    OverlayTimelines& m_overlays;
};

}  // namespace xc
