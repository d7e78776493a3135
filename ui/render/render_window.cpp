#include "ui/render/render_window.h"

#include "core/album_model.h"
#include "effects/album_length.h"
#include "render/output_settings.h"
#include "ui/shell/theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace xc::ui {

namespace {

constexpr QSize pictureSize(384, 216);
// The window repaints this often while frames are made, and shows a new picture this often.
constexpr int refreshMs = 40;
constexpr int pictureMs = 250;

QListWidget* logList(const QString& objectName, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setUniformItemSizes(true);
    list->setFont(uiFont(12));
    list->setTextElideMode(Qt::ElideMiddle);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

void appendLine(QListWidget* list, const QString& line)
{
    list->addItem(line);
    list->scrollToBottom();
}

QString remainingText(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 999) / 1000;
    return QStringLiteral("剩余时间：%1:%2").arg(seconds / 60, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

RenderWindow::RenderWindow(AlbumModel& model, const Workspace& workspace, RenderRequest request, const QString& displayName,
                           QWidget* parent)
    : FramedDialog(QStringLiteral("制作相册"), parent), m_model(model), m_request(request), m_job(model, workspace, request),
      m_frame(new QLabel(body())), m_barOne(new QProgressBar(body())), m_barTwo(new QProgressBar(body())),
      m_timeLeft(new QLabel(QStringLiteral("正在准备…"), body())),
      m_hostLog(logList(QStringLiteral("ListBox_jiazai_FLASH_xianshi"), body())),
      m_errorLog(logList(QStringLiteral("ListBox_cuowu_yichang_xianshi"), body())),
      m_stop(dialogButton(QStringLiteral("停止制作"), body())),
      m_openWhenDone(new QCheckBox(QStringLiteral("完成后打开保存文件夹"), body()))
{
    setObjectName(QStringLiteral("wMain"));
    auto* name = new QLabel(QStringLiteral("正在制作：") + displayName, body());
    name->setFont(uiFont(14, true));
    m_frame->setFixedSize(pictureSize);
    m_frame->setAlignment(Qt::AlignCenter);
    m_frame->setStyleSheet(QStringLiteral("background: black; color: %1;").arg(theme::textMuted.name()));
    m_frame->setText(QStringLiteral("正在准备画面…"));
    for (QProgressBar* bar : {m_barOne, m_barTwo}) {
        bar->setRange(0, 1);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    m_barOne->setObjectName(QStringLiteral("ProgressBar1"));
    m_barTwo->setObjectName(QStringLiteral("ProgressBar2"));
    m_timeLeft->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));

    auto* logs = new QGridLayout;
    logs->addWidget(new QLabel(QStringLiteral("模板加载记录"), body()), 0, 0);
    logs->addWidget(new QLabel(QStringLiteral("错误记录"), body()), 0, 1);
    logs->addWidget(m_hostLog, 1, 0);
    logs->addWidget(m_errorLog, 1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(name);
    side->addWidget(m_barOne);
    side->addWidget(m_barTwo);
    side->addWidget(m_timeLeft);
    side->addLayout(logs, 1);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_frame, 0, Qt::AlignTop);
    top->addLayout(side, 1);

    QPushButton* openFolder = dialogButton(QStringLiteral("打开保存位置"), body());
    connect(openFolder, &QPushButton::clicked, this, &RenderWindow::openOutputFolder);
    connect(m_stop, &QPushButton::clicked, this, &RenderWindow::stop);
    // Enabled once frames are being made: before that there is nothing to stop.
    m_stop->setEnabled(false);
    auto* buttons = buttonRow({openFolder, m_stop});
    buttons->insertWidget(0, m_openWhenDone);

    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(buttons);
    resize(880, 340);

    m_job.setListener(this);
    m_job.hostLog().setListener([this](const QString& line) { appendLine(m_hostLog, line); });
    m_job.errorLog().setListener([this](const QString& line) { appendLine(m_errorLog, line); });
}

void RenderWindow::showEvent(QShowEvent* event)
{
    FramedDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        // The render starts once the window is on screen.
        QTimer::singleShot(100, this, &RenderWindow::run);
    }
}

void RenderWindow::run()
{
    m_running = true;
    m_clock.start();
    m_sinceRefresh.start();
    m_sincePicture.start();
    m_result = m_job.run();
    m_running = false;
    m_stop->setEnabled(false);
    if (!m_result.ok())
        removeUnfinishedOutput(m_model.settings.outputKind, m_request.outputPath);
    else if (m_openWhenDone->isChecked())
        openOutputFolder();
    accept();
}

void RenderWindow::stop()
{
    m_stop->setEnabled(false);
    m_timeLeft->setText(QStringLiteral("正在停止…"));
    m_job.stop();
}

void RenderWindow::reject()
{
    // Closing the window while the album is being made stops it; the window closes when it has.
    if (m_running)
        stop();
    else
        FramedDialog::reject();
}

void RenderWindow::progressChanged(const RenderProgress& progress)
{
    if (m_sinceRefresh.elapsed() < refreshMs && progress.barOne < progress.barOneMaximum)
        return;
    m_sinceRefresh.restart();
    m_barOne->setRange(0, int(std::max<qint64>(1, progress.barOneMaximum)));
    m_barOne->setValue(int(progress.barOne));
    m_barTwo->setRange(0, int(std::max<qint64>(1, progress.barTwoMaximum)));
    m_barTwo->setValue(int(progress.barTwo));
    if (progress.framesRendered > 0) {
        if (!m_stop->isEnabled() && m_timeLeft->text() != QStringLiteral("正在停止…"))
            m_stop->setEnabled(true);
        const qint64 left = (progress.frameBudget - progress.framesRendered) * m_clock.elapsed() / progress.framesRendered;
        if (m_timeLeft->text() != QStringLiteral("正在停止…"))
            m_timeLeft->setText(remainingText(left) + QStringLiteral("    已完成 %1 / %2 帧").arg(progress.framesRendered).arg(progress.frameBudget));
    }
    // The render runs on this thread: let the window repaint, move and take "停止制作".
    QApplication::processEvents();
}

void RenderWindow::frameComposed(qint64, const QImage& frame)
{
    if (m_sincePicture.elapsed() < pictureMs)
        return;
    m_sincePicture.restart();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(frame.scaled(pictureSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    m_frame->setPixmap(picture);
}

void RenderWindow::openOutputFolder() const
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(m_request.outputPath).absolutePath()));
}

}  // namespace xc::ui
