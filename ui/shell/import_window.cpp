#include "ui/shell/import_window.h"

#include "ui/shell/theme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

namespace xc::ui {

namespace {

// The bar fills its last steps over this time and the window stays this long at 100 %, so the
// user sees the job finish without being kept waiting.
constexpr int fillMs = 300;
constexpr int holdMs = 300;

void pumpFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

}  // namespace

Status ImportWindow::run(QWidget* parent, const Job& job, const QString& caption)
{
    ImportWindow window(job, caption, parent);
    window.exec();
    return window.outcome();
}

ImportWindow::ImportWindow(const Job& job, const QString& caption, QWidget* parent)
    : FramedDialog(caption, parent), m_job(job), m_bar(new QProgressBar(body())),
      m_label(new QLabel(QStringLiteral("正在准备…"), body()))
{
    setObjectName(QStringLiteral("TMainForm"));
    m_bar->setObjectName(QStringLiteral("ProgressBar_xiangpian"));
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_label->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    bodyLayout()->addWidget(m_label);
    bodyLayout()->addWidget(m_bar);
    setFixedWidth(420);
    // The job starts once the window is on screen.
    QTimer::singleShot(1, this, &ImportWindow::runJob);
}

void ImportWindow::setTotal(int steps)
{
    m_bar->setRange(0, steps);
    m_bar->setValue(0);
    QApplication::processEvents();
}

void ImportWindow::advance(int steps)
{
    m_bar->setValue(std::min(m_bar->maximum(), m_bar->value() + steps));
    if (m_bar->maximum() > 0)
        m_label->setText(QStringLiteral("正在处理… %1%").arg(m_bar->value() * 100 / m_bar->maximum()));
    // The job runs on this thread: let the window repaint and move between its steps.
    QApplication::processEvents();
}

void ImportWindow::setLabel(const QString& text)
{
    m_label->setText(text);
    QApplication::processEvents();
}

void ImportWindow::reject()
{
    // Neither the close button nor Escape may break off a job half-way.
    if (!m_running)
        FramedDialog::reject();
}

void ImportWindow::runJob()
{
    m_running = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_outcome = m_job(*this);
    QApplication::restoreOverrideCursor();
    if (m_outcome.ok())
        finishBar();
    m_running = false;
    accept();
}

void ImportWindow::finishBar()
{
    if (m_bar->maximum() == 0)
        m_bar->setRange(0, 1);
    const int start = m_bar->value();
    const int end = m_bar->maximum();
    QElapsedTimer timer;
    timer.start();
    while (m_bar->value() < end) {
        const qint64 elapsed = std::min<qint64>(timer.elapsed(), fillMs);
        m_bar->setValue(start + int((end - start) * elapsed / fillMs));
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    m_label->setText(QStringLiteral("完成"));
    pumpFor(holdMs);
}

}  // namespace xc::ui
