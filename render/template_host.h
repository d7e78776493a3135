#pragma once

#include "media/flash_template_player.h"

#include <QSize>
#include <QString>

#include <memory>

namespace xc {

class RenderLog;

// The movie host of a render: one template player at a time, recreated for every template so
// nothing of one movie outlives it, and the wait for the movie to read its start picture.
class TemplateHost {
public:
    // How long a movie may take to report its start picture before it is given up.
    static constexpr int movieReadyTimeoutMs = 10000;

    TemplateHost(QSize hostSize, RenderLog& hostLog, RenderLog& errorLog);
    ~TemplateHost();

    // Replaces the player and loads the movie; waits, letting events run, until the movie has read
    // its start picture. A movie that cannot be loaded or does not answer in time is logged in the
    // error log and leaves no movie loaded; returns whether the movie is ready.
    bool load(const QString& moviePath);
    // Drops the player (render end).
    void release();

    FlashTemplatePlayer* player() { return m_player.get(); }
    bool hasMovie() const { return m_player && m_player->hasMovie(); }

private:
    void recreatePlayer();

    QSize m_hostSize;
    RenderLog& m_hostLog;
    RenderLog& m_errorLog;
    std::unique_ptr<FlashTemplatePlayer> m_player;
    bool m_movieReady = false;  // Edit_wancheng reads "picture_0_wancheng"
};

}  // namespace xc
