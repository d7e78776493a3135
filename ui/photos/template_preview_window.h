#pragma once

#include "render/photo_preview_area.h"
#include "ui/shell/framed_dialog.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include <memory>

namespace xc {
struct AlbumModel;
class FlashTemplatePlayer;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// "相片使用效果预览": the template of one photo's group plays at its own speed with the group's
// photos, then the closing template, from a copy in the preview area; "播放", "停止", "返回".
class TemplatePreviewWindow : public FramedDialog {
    Q_OBJECT
public:
    enum class Phase { Preparing, Template, WaitingForClosing, Closing, Stopped };

    // "预览效果" for photo row `row` (−1: none selected); the notices go through `dialogs`.
    static void open(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, qsizetype row);

    TemplatePreviewWindow(const AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, qsizetype row,
                          QWidget* parent = nullptr);
    ~TemplatePreviewWindow() override;

    Phase phase() const { return m_phase; }
    int frame() const { return m_frame; }
    const QImage& picture() const { return m_picture; }

public Q_SLOTS:
    void play();
    void stop();
    void back();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    class Canvas;

    void prepare();
    bool load(const QString& moviePath);
    void startPlaying(Phase phase);
    void onTick();
    void startClosing();
    void onMovieCommand(const QString& command);
    void showFrame(int frame);
    void fail(const QString& message);

    const AlbumModel& m_model;
    Dialogs& m_dialogs;
    qsizetype m_row;
    PhotoPreviewArea m_area;
    std::unique_ptr<FlashTemplatePlayer> m_player;
    Canvas* m_canvas;
    QTimer m_ticker;
    QTimer m_closingWait;
    QElapsedTimer m_clock;
    QImage m_picture;
    Phase m_phase = Phase::Preparing;
    int m_frame = -1;
};

}  // namespace xc::ui
