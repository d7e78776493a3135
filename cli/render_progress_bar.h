#pragma once

#include "render/render_job.h"

#include <QElapsedTimer>

#include <functional>

namespace xc::cli {

// The render's progress on standard error: a bar of the frames rendered with the time left,
// redrawn in place on a terminal, a line per tenth otherwise. `keepGoing` is asked on every
// frame; when it says no, the render is stopped.
class RenderProgressBar final : public RenderListener {
public:
    RenderProgressBar(RenderJob& job, std::function<bool()> keepGoing);
    ~RenderProgressBar() override;

    void progressChanged(const RenderProgress& progress) override;

private:
    void draw(const RenderProgress& progress);

    RenderJob& m_job;
    std::function<bool()> m_keepGoing;
    bool m_terminal;
    QElapsedTimer m_clock;
    qint64 m_lastDrawMs = -1;
    int m_lastTenth = -1;
    bool m_drawn = false;
};

}  // namespace xc::cli
