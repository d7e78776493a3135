#include "render/template_sequence.h"

#include "core/album_model.h"
#include "effects/album_length.h"
#include "render/overlay_timelines.h"
#include "render/render_state.h"
#include "render/template_host.h"
#include "templates/materialisation.h"

namespace xc {

TemplateSequence::TemplateSequence(AlbumModel& model, const Workspace& workspace, const AlbumPlan& plan,
                                   RenderState& state, TemplateHost& host, OverlayTimelines& overlays)
    : m_model(model), m_workspace(workspace), m_plan(plan), m_state(state), m_host(host), m_overlays(overlays)
{
}

void TemplateSequence::loadNext()
{
    m_overlays.hide();
    bool loaded = false;
    while (!loaded && !m_state.closingLoaded) {
        ++m_state.templateIndex;
        QString movie;
        if (m_state.templateIndex < m_plan.renderTemplates.size()) {
            const PlannedTemplate& next = m_plan.renderTemplates[m_state.templateIndex];
            movie = next.instance.movie;
            m_state.frameLimit = next.frameLimit;
        } else {
            m_state.closingLoaded = true;
            m_state.templateIndex = -1;
            m_state.frameLimit = -1;
            movie = closingMoviePath(m_workspace, m_model.settings);
        }
        loaded = m_host.load(movie);
    }
    m_state.templateFrame = -1;
    m_overlays.show(m_model);
}

}  // namespace xc
