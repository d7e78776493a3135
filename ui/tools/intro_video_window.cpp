#include "ui/tools/intro_video_window.h"

#include "core/album_settings.h"
#include "media/intro_video.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace xc::ui {

namespace {

constexpr QSize pictureSize(480, 270);

QString lengthText(qint64 frames)
{
    const qint64 seconds = (frames + 24) / 25;
    return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

IntroVideoWindow::IntroVideoWindow(AlbumSettings& settings, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("片头视频"), parent), m_settings(settings), m_dialogs(dialogs),
      m_picture(new QLabel(body())), m_details(new QLabel(body())),
      m_ownSound(new QRadioButton(QStringLiteral("先播放片头视频自己的声音，相册音乐随后开始"), body())),
      m_musicFromStart(new QRadioButton(QStringLiteral("相册音乐从第一帧开始，片头视频静音"), body()))
{
    setObjectName(QStringLiteral("IntroVideoWindow"));
    m_picture->setFixedSize(pictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    m_details->setMinimumWidth(300);
    m_details->setWordWrap(true);
    m_details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (settings.musicFromStart ? m_musicFromStart : m_ownSound)->setChecked(true);

    QPushButton* pick = dialogButton(QStringLiteral("选择视频"), body());
    QPushButton* remove = dialogButton(QStringLiteral("移除片头"), body());
    connect(pick, &QPushButton::clicked, this, &IntroVideoWindow::pickVideo);
    connect(remove, &QPushButton::clicked, this, &IntroVideoWindow::removeVideo);
    auto* side = new QVBoxLayout;
    side->addWidget(m_details);
    side->addStretch();
    side->addWidget(new QLabel(QStringLiteral("声音"), body()));
    side->addWidget(m_ownSound);
    side->addWidget(m_musicFromStart);
    side->addSpacing(12);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pick);
    buttons->addWidget(remove);
    buttons->addStretch();
    side->addLayout(buttons);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_picture);
    top->addLayout(side);
    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(okCancelRow());

    if (!settings.introVideo.isEmpty())
        chooseVideo(settings.introVideo);
    showChoice();
}

bool IntroVideoWindow::chooseVideo(const QString& path)
{
    const Result<IntroVideoInfo> info = probeIntroVideo(path);
    Result<std::unique_ptr<IntroVideoReader>> reader =
        info.ok() ? IntroVideoReader::open(path, pictureSize) : Result<std::unique_ptr<IntroVideoReader>>::failure(info.error());
    if (!reader.ok()) {
        m_dialogs.message(this, reader.error());
        return false;
    }
    m_video = path;
    m_frames = info.value().albumFrames;
    // A second in, past the fade from black many intros open with.
    const qint64 shownFrame = std::min<qint64>(25, m_frames - 1);
    for (qint64 frame = 0; frame < shownFrame; ++frame)
        reader.value()->nextFrame();
    m_shownPicture = reader.value()->nextFrame();
    m_details->setProperty("size", info.value().size);
    m_details->setProperty("sound", info.value().hasSound);
    showChoice();
    return true;
}

void IntroVideoWindow::pickVideo()
{
    const QStringList files = m_dialogs.openFiles(
        this, QStringLiteral("选择片头视频"),
        QStringLiteral("片头视频文件(AVI,MP4,MOV,MKV,MPG)|*.avi;*.mp4;*.mov;*.mkv;*.mpg;*.mpeg;*.wmv;*.flv;*.webm;"), QString());
    if (!files.isEmpty())
        chooseVideo(files.first());
}

void IntroVideoWindow::removeVideo()
{
    m_video.clear();
    m_frames = 0;
    m_shownPicture = QImage();
    showChoice();
}

void IntroVideoWindow::showChoice()
{
    if (m_video.isEmpty()) {
        QPixmap empty(pictureSize);
        empty.fill(theme::chromeDark);
        QPainter p(&empty);
        p.setPen(theme::textMuted);
        p.setFont(uiFont(15));
        p.drawText(empty.rect(), Qt::AlignCenter, QStringLiteral("没有片头视频"));
        p.end();
        m_picture->setPixmap(empty);
        m_details->setText(QStringLiteral("相册从第一个模板开始。\n\n选择一个视频文件，它将在第一个模板之前播放，"
                                          "保持原有比例；第一个模板从片头的最后一个画面开始。"));
        return;
    }
    m_picture->setPixmap(QPixmap::fromImage(m_shownPicture));
    const QSize size = m_details->property("size").toSize();
    m_details->setText(QStringLiteral("文件：%1\n时长：%2（%3帧）\n画面：%4×%5\n声音：%6")
                           .arg(QFileInfo(m_video).fileName(), lengthText(m_frames))
                           .arg(m_frames)
                           .arg(size.width())
                           .arg(size.height())
                           .arg(m_details->property("sound").toBool() ? QStringLiteral("有") : QStringLiteral("无")));
}

void IntroVideoWindow::accept()
{
    m_settings.introVideo = m_video;
    m_settings.introFrames = m_frames;
    m_settings.musicFromStart = m_musicFromStart->isChecked();
    FramedDialog::accept();
}

}  // namespace xc::ui
