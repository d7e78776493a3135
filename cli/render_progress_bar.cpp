#include "cli/render_progress_bar.h"

#include <QString>

#include <cstdio>
#include <unistd.h>

namespace xc::cli {

namespace {

constexpr int barWidth = 30;
constexpr qint64 redrawIntervalMs = 200;

QString clockText(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

RenderProgressBar::RenderProgressBar(RenderJob& job, std::function<bool()> keepGoing)
    : m_job(job), m_keepGoing(std::move(keepGoing)), m_terminal(isatty(fileno(stderr)))
{
    m_clock.start();
}

RenderProgressBar::~RenderProgressBar()
{
    if (m_terminal && m_drawn)
        std::fputc('\n', stderr);
}

void RenderProgressBar::progressChanged(const RenderProgress& progress)
{
    if (m_keepGoing && !m_keepGoing())
        m_job.stop();
    if (progress.frameBudget <= 0)
        return;
    const bool finished = progress.framesRendered >= progress.frameBudget;
    if (m_terminal) {
        const qint64 now = m_clock.elapsed();
        if (finished || m_lastDrawMs < 0 || now - m_lastDrawMs >= redrawIntervalMs) {
            m_lastDrawMs = now;
            draw(progress);
        }
        return;
    }
    const int tenth = int(10 * progress.framesRendered / progress.frameBudget);
    if (tenth != m_lastTenth) {
        m_lastTenth = tenth;
        draw(progress);
    }
}

void RenderProgressBar::draw(const RenderProgress& progress)
{
    const qint64 done = progress.framesRendered;
    const qint64 total = progress.frameBudget;
    const int filled = int(barWidth * done / total);
    const qint64 elapsedMs = m_clock.elapsed();
    const QString left = done > 0 ? clockText((elapsedMs * (total - done) / done + 999) / 1000) : QStringLiteral("--:--:--");
    const QString line = QStringLiteral("制作相册 [%1%2] %3%  %4/%5 帧  剩余 %6")
                             .arg(QString(filled, QLatin1Char('#')), QString(barWidth - filled, QLatin1Char('.')))
                             .arg(100 * done / total, 3)
                             .arg(done)
                             .arg(total)
                             .arg(left);
    const QByteArray bytes = line.toUtf8();
    if (m_terminal)
        std::fputc('\r', stderr);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    if (!m_terminal)
        std::fputc('\n', stderr);
    std::fflush(stderr);
    m_drawn = true;
}

}  // namespace xc::cli
