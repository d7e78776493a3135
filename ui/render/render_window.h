#pragma once

#include "render/render_job.h"
#include "ui/shell/framed_dialog.h"

#include <QElapsedTimer>
#include <QImage>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace xc::ui {

// "制作相册": makes the album into its output while the user watches — the frame being made, both
// progress bars, the time left, the movie host's log and its error log. "停止制作" stops within a
// frame and the unfinished output is removed; "打开保存位置" opens the output's folder, as does
// "完成后打开保存文件夹" when the album is done. The window closes itself at the end.
class RenderWindow : public FramedDialog, private RenderListener {
    Q_OBJECT
public:
    RenderWindow(AlbumModel& model, const Workspace& workspace, RenderRequest request, const QString& displayName,
                 QWidget* parent = nullptr);

    const RenderResult& result() const { return m_result; }
    QPushButton* stopButton() const { return m_stop; }

public Q_SLOTS:
    void stop();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void run();
    void progressChanged(const RenderProgress& progress) override;
    void frameComposed(qint64 index, const QImage& frame) override;
    void openOutputFolder() const;

    AlbumModel& m_model;
    RenderRequest m_request;
    RenderJob m_job;
    RenderResult m_result;
    QLabel* m_frame;
    QProgressBar* m_barOne;
    QProgressBar* m_barTwo;
    QLabel* m_timeLeft;
    QListWidget* m_hostLog;
    QListWidget* m_errorLog;
    QPushButton* m_stop;
    QCheckBox* m_openWhenDone;
    QElapsedTimer m_clock;
    QElapsedTimer m_sinceRefresh;
    QElapsedTimer m_sincePicture;
    bool m_started = false;
    bool m_running = false;
};

}  // namespace xc::ui
