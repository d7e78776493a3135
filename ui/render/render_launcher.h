#pragma once

#include "render/render_job.h"
#include "ui/render/output_size_window.h"

#include <optional>

class QWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// The windows of making an album and of its settings, behind one interface so tests can answer
// the questions and still make real albums.
class RenderWindows {
public:
    virtual ~RenderWindows() = default;
    // The output-size window; nothing when it was closed without "开始制作".
    virtual std::optional<OutputChoice> chooseOutput(QWidget* parent, const QString& kind);
    // The render window, until the album is made, stopped or has failed.
    virtual RenderResult render(QWidget* parent, AlbumModel& model, const Workspace& workspace, const RenderRequest& request,
                                const QString& displayName);
    virtual void otherSettings(QWidget* parent, AlbumModel& model);
    // "歌词类型选择": one of the lyrics-type keywords.
    virtual QString chooseLyricsType(QWidget* parent);
    virtual void albumLength(QWidget* parent, AlbumModel& model);
    virtual void textEffects(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs);
    virtual void karaoke(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs);
};

// The launchers "VCD", "SVCD", "DVD", "AVI" and "序列图": the checks and notices, the output size,
// the save dialog with its extension and folder rules, and the render window.
class RenderLauncher {
public:
    RenderLauncher(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent);

    void setWindows(RenderWindows& windows) { m_windows = &windows; }
    RenderWindows& windows() const { return *m_windows; }

    void makeVideo(const QString& kind);
    void makeImageSequence();

private:
    // Asks for the lyrics type when the album has both kinds of lyrics, then shows the render window.
    void render(RenderRequest request, const QString& displayName);

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget* m_parent;
    RenderWindows* m_windows;
};

}  // namespace xc::ui
