#include "render/render_log.h"

namespace xc {

void RenderLog::add(const QString& line)
{
    if (m_lines.size() >= m_maxLines)
        m_lines.removeFirst();
    m_lines.append(line);
    if (m_listener)
        m_listener(line);
}

}  // namespace xc
