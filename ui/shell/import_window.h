#pragma once

#include "core/progress.h"
#include "core/result.h"
#include "ui/shell/framed_dialog.h"

#include <functional>

class QLabel;
class QProgressBar;

namespace xc::ui {

// The small window that shows an import's progress ("添加相片", "添加音乐", "添加歌词"): one bar and
// a line saying what is being done. The job runs once the window is on screen and the window
// closes itself at its end; it has no cancel, so a half-done import never leaves the album half
// changed.
class ImportWindow : public FramedDialog, public Progress {
    Q_OBJECT
public:
    using Job = std::function<Status(Progress&)>;

    // Shows the window modally over `parent`, runs `job` in it and returns the job's outcome.
    static Status run(QWidget* parent, const Job& job, const QString& caption = QStringLiteral("添加相片"));

    ImportWindow(const Job& job, const QString& caption, QWidget* parent = nullptr);
    Status outcome() const { return m_outcome; }

    void setTotal(int steps) override;
    void advance(int steps = 1) override;
    void setLabel(const QString& text) override;

public Q_SLOTS:
    void reject() override;

private:
    void runJob();
    void finishBar();

    Job m_job;
    QProgressBar* m_bar;
    QLabel* m_label;
    Status m_outcome = Status::success();
    bool m_running = false;
};

}  // namespace xc::ui
