#include "render/template_host.h"

#include "render/render_log.h"

#include <QEventLoop>
#include <QTimer>

namespace xc {

TemplateHost::TemplateHost(QSize hostSize, RenderLog& hostLog, RenderLog& errorLog)
    : m_hostSize(hostSize), m_hostLog(hostLog), m_errorLog(errorLog)
{
}

TemplateHost::~TemplateHost() = default;

void TemplateHost::recreatePlayer()
{
    release();
    m_player = std::make_unique<FlashTemplatePlayer>(m_hostSize);
    QObject::connect(m_player.get(), &FlashTemplatePlayer::FSCommand, [this](const QString& command, const QString&) {
        if (command == movie::startPictureCommand)
            m_movieReady = true;
    });
    m_hostLog.add(QStringLiteral("创建模板播放器完成"));
}

bool TemplateHost::load(const QString& moviePath)
{
    recreatePlayer();
    m_movieReady = false;
    if (const Status loaded = m_player->Movie(moviePath); !loaded.ok()) {
        m_errorLog.add(QStringLiteral("模板无法载入，已跳过：%1（%2）").arg(moviePath, loaded.error()));
        return false;
    }
    m_player->SetVariable(QStringLiteral("xc_alpha"), QStringLiteral("0"));
    m_player->FrameNum(0);
    m_player->Stop();
    m_hostLog.add(QStringLiteral("载入模板：%1").arg(moviePath));

    if (!m_movieReady) {
        QEventLoop wait;
        QTimer::singleShot(movieReadyTimeoutMs, &wait, &QEventLoop::quit);
        QObject::connect(m_player.get(), &FlashTemplatePlayer::FSCommand, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (!m_movieReady) {
        m_errorLog.add(QStringLiteral("模板没有读取开始画面，已跳过：%1").arg(moviePath));
        recreatePlayer();
        return false;
    }
    return true;
}

void TemplateHost::release()
{
    if (m_player) {
        m_player.reset();
        m_hostLog.add(QStringLiteral("卸载模板播放器完成"));
    }
}

}  // namespace xc
