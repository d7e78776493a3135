#include "ui/photos/template_preview_window.h"

#include "core/album_model.h"
#include "media/flash_template_player.h"
#include "ui/widgets/item_texts.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace xc::ui {

namespace {

// How long the closing movie may take to read its start picture before the preview gives up.
constexpr int closingReadyTimeoutMs = 5000;

QLabel* fieldValue(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(13, true));
    return label;
}

}  // namespace

// The preview picture: the latest frame, drawn crisply at the screen's density.
class TemplatePreviewWindow::Canvas : public QWidget {
public:
    explicit Canvas(const QImage& picture, QWidget* parent) : QWidget(parent), m_picture(picture)
    {
        setFixedSize(PhotoPreviewArea::previewSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (m_picture.isNull()) {
            p.setPen(theme::textMuted);
            p.setFont(uiFont(14));
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("正在准备预览…"));
            return;
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
    }

private:
    const QImage& m_picture;
};

void TemplatePreviewWindow::open(QWidget* parent, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, qsizetype row)
{
    model.settings.previewShown = QStringLiteral("False");
    if (model.photos.isEmpty()) {
        dialogs.message(parent, QStringLiteral("没有找到相片文件，不能预览效果！"));
        return;
    }
    if (row < 0 || row >= model.photos.count()) {
        dialogs.message(parent, QStringLiteral("没有选中相片文件！"));
        return;
    }
    TemplatePreviewWindow window(model, workspace, dialogs, row, parent);
    window.exec();
}

TemplatePreviewWindow::TemplatePreviewWindow(const AlbumModel& model, const Workspace& workspace, Dialogs& dialogs,
                                             qsizetype row, QWidget* parent)
    : FramedDialog(QStringLiteral("相片使用效果预览"), parent), m_model(model), m_dialogs(dialogs), m_row(row),
      m_area(workspace, model.settings), m_canvas(new Canvas(m_picture, body()))
{
    const PhotoRecord& photo = model.photos[row];
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    const QList<std::pair<QString, QString>> values{
        {QStringLiteral("名称"), photo.name},
        {QStringLiteral("类型"), fileTypeText(photo.ext)},
        {QStringLiteral("尺寸"), photo.width + QLatin1Char('*') + photo.height},
        {QStringLiteral("方向"), photoOrientationText(photo.orientation)},
        {QStringLiteral("序号"), QString::number(row + 1)},
    };
    for (int i = 0; i < values.size(); ++i) {
        auto* name = new QLabel(values[i].first, body());
        name->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
        fields->addWidget(name, 0, 2 * i);
        fields->addWidget(fieldValue(values[i].second, body()), 0, 2 * i + 1);
    }
    fields->setColumnStretch(9, 1);

    QPushButton* play = dialogButton(QStringLiteral("播放"), body());
    QPushButton* stop = dialogButton(QStringLiteral("停止"), body());
    QPushButton* back = dialogButton(QStringLiteral("返回"), body());
    connect(play, &QPushButton::clicked, this, &TemplatePreviewWindow::play);
    connect(stop, &QPushButton::clicked, this, &TemplatePreviewWindow::stop);
    connect(back, &QPushButton::clicked, this, &TemplatePreviewWindow::back);
    bodyLayout()->addLayout(fields);
    bodyLayout()->addWidget(m_canvas, 0, Qt::AlignHCenter);
    bodyLayout()->addLayout(buttonRow({play, stop, back}));

    // Frames are due by the clock, so the ticks must not drift by the timer's coarse slack.
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &TemplatePreviewWindow::onTick);
    m_closingWait.setSingleShot(true);
    m_closingWait.setInterval(closingReadyTimeoutMs);
    connect(&m_closingWait, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("结尾模板没有读取开始画面：%1").arg(m_area.closingMoviePath()));
    });
}

TemplatePreviewWindow::~TemplatePreviewWindow()
{
    // No tick or wait may reach the player once it is gone.
    m_ticker.stop();
    m_closingWait.stop();
    m_player.reset();
}

void TemplatePreviewWindow::showEvent(QShowEvent* event)
{
    FramedDialog::showEvent(event);
    if (m_phase == Phase::Preparing && !m_player) {
        // Prepared once the window is on screen, so the user sees it open at once.
        QTimer::singleShot(0, this, &TemplatePreviewWindow::prepare);
    }
}

void TemplatePreviewWindow::prepare()
{
    // Closed before its turn came: nothing to prepare, and no area to leave behind.
    if (m_phase != Phase::Preparing || m_player || !isVisible())
        return;
    const Status prepared = m_area.prepare(m_model, m_row);
    if (!prepared.ok()) {
        fail(prepared.error());
        return;
    }
    // The host paints at the screen's density so the preview is as sharp as the screen.
    m_player = std::make_unique<FlashTemplatePlayer>(PhotoPreviewArea::previewSize * devicePixelRatioF());
    connect(m_player.get(), &FlashTemplatePlayer::FSCommand, this, &TemplatePreviewWindow::onMovieCommand);
    play();
}

void TemplatePreviewWindow::fail(const QString& message)
{
    stop();
    m_dialogs.message(this, message);
    back();
}

bool TemplatePreviewWindow::load(const QString& moviePath)
{
    // A movie that cannot be played, a wrong template marker included, ends the preview only.
    const Status loaded = m_player->Movie(moviePath);
    if (!loaded.ok()) {
        fail(QStringLiteral("模板无法载入：%1").arg(loaded.error()));
        return false;
    }
    m_player->SetVariable(QStringLiteral("xc_alpha"), QStringLiteral("0"));
    m_player->FrameNum(0);
    m_player->Stop();
    return true;
}

void TemplatePreviewWindow::play()
{
    if (!m_player)
        return;
    stop();
    // Every play starts over from the album's start picture and the first template frame.
    if (Status written = m_area.writeDesignedStartPicture(m_player->hostSize()); !written.ok()) {
        fail(written.error());
        return;
    }
    if (load(m_area.instanceMoviePath()))
        startPlaying(Phase::Template);
}

void TemplatePreviewWindow::startPlaying(Phase phase)
{
    m_phase = phase;
    m_frame = -1;
    m_clock.start();
    m_ticker.start(qRound(1000 / m_player->frameRate()));
    onTick();
}

void TemplatePreviewWindow::showFrame(int frame)
{
    m_frame = frame;
    m_player->FrameNum(frame);
    m_player->paintFrame(m_picture);
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    m_canvas->update();
}

void TemplatePreviewWindow::onTick()
{
    if (m_phase != Phase::Template && m_phase != Phase::Closing)
        return;
    // The movie keeps its own speed: the frame follows the clock, skipping frames when painting
    // lags and waiting when a tick comes early.
    const int last = m_player->TotalFrames() - 1;
    const int due = std::min(int(m_clock.elapsed() * m_player->frameRate() / 1000), last);
    if (due <= m_frame)
        return;
    showFrame(due);
    if (m_frame < last)
        return;
    if (m_phase == Phase::Template)
        startClosing();
    else
        stop();
}

void TemplatePreviewWindow::startClosing()
{
    m_ticker.stop();
    m_phase = Phase::WaitingForClosing;
    // The template's last frame is the closing movie's start picture, as in the album.
    QImage last = m_picture;
    last.setDevicePixelRatio(1.0);
    if (Status written = m_area.writeStartPicture(last); !written.ok()) {
        fail(written.error());
        return;
    }
    if (load(m_area.closingMoviePath()))
        m_closingWait.start();  // the movie's "picture_0" or the time limit, whichever comes first
}

void TemplatePreviewWindow::onMovieCommand(const QString& command)
{
    if (command != movie::startPictureCommand || m_phase != Phase::WaitingForClosing)
        return;
    m_closingWait.stop();
    startPlaying(Phase::Closing);
}

void TemplatePreviewWindow::stop()
{
    m_ticker.stop();
    m_closingWait.stop();
    if (m_phase != Phase::Preparing)
        m_phase = Phase::Stopped;
}

void TemplatePreviewWindow::back()
{
    stop();
    m_phase = Phase::Stopped;
    m_area.remove();
    FramedDialog::reject();
}

void TemplatePreviewWindow::reject()
{
    back();
}

}  // namespace xc::ui
