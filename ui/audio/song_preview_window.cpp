#include "ui/audio/song_preview_window.h"

#include "audio/song_time_key.h"
#include "core/album_model.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"
#include "ui/widgets/form_controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace xc::ui {

namespace {

constexpr QSize panelSize(679, 390);
constexpr int tickMs = 15;

}  // namespace

// The preview panel: a calm dark stage with the current line in its style.
class SongPreviewWindow::Panel : public QWidget {
public:
    explicit Panel(const LrcLabel& line, QWidget* parent) : QWidget(parent), m_line(line) { setFixedSize(panelSize); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintLyricStage(p, rect());
        p.setRenderHint(QPainter::TextAntialiasing);
        if (!m_line.text.isEmpty())
            paintLrcLabel(p, m_line);
    }

private:
    const LrcLabel& m_line;
};

void SongPreviewWindow::open(QWidget* parent, Kind kind, const AlbumModel& model, Dialogs& dialogs, qsizetype selectedRow)
{
    if (kind == Kind::Music && model.music.isEmpty()) {
        dialogs.message(parent, QStringLiteral("没有添加音乐文件,不能音乐预览！"));
        return;
    }
    if (kind == Kind::Lyrics && model.lyrics.isEmpty()) {
        dialogs.message(parent, QStringLiteral("没有添加歌词文件,不能歌词预览！"));
        return;
    }
    if (kind == Kind::Lyrics && model.music.isEmpty()) {
        dialogs.message(parent, QStringLiteral("没有找到音乐文件,添加音乐文件后再进行歌词预览！"));
        return;
    }
    SongPreviewWindow window(kind, model, dialogs, parent);
    // Opened from a board, the window starts on what was selected there, and its partner.
    if (selectedRow >= 0 && kind == Kind::Music) {
        window.chooseSong(int(selectedRow));
        for (qsizetype i = 0; i < model.lyrics.count(); ++i)
            if (model.lyrics[i].musicKey == model.music[selectedRow].lyricsKey)
                window.chooseLyrics(int(i));
    } else if (selectedRow >= 0) {
        window.chooseLyrics(int(selectedRow));
        for (qsizetype i = 0; i < model.music.count(); ++i)
            if (model.music[i].lyricsKey == model.lyrics[selectedRow].musicKey) {
                window.chooseSong(int(i));
                break;
            }
    }
    window.exec();
}

SongPreviewWindow::SongPreviewWindow(Kind kind, const AlbumModel& model, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(kind == Kind::Music ? QStringLiteral("音乐预览") : QStringLiteral("歌词预览"), parent), m_kind(kind),
      m_model(model), m_dialogs(dialogs), m_songs(new QListWidget(body())), m_lyricsList(new QListWidget(body())),
      m_songName(new QLineEdit(body())), m_total(new QLabel(QStringLiteral("00:00"), body())),
      m_current(new QLabel(QStringLiteral("00:00"), body())), m_panel(new Panel(m_line, body()))
{
    setObjectName(kind == Kind::Music ? QStringLiteral("TForm28") : QStringLiteral("TForm29"));
    for (const MusicRecord& song : model.music)
        m_songs->addItem(song.name);
    for (const LyricsRecord& lyrics : model.lyrics)
        m_lyricsList->addItem(lyrics.name);
    m_songName->setReadOnly(true);
    connect(m_songs, &QListWidget::currentRowChanged, this, &SongPreviewWindow::chooseSong);
    connect(m_lyricsList, &QListWidget::currentRowChanged, this, &SongPreviewWindow::chooseLyrics);

    auto* side = new QGridLayout;
    side->addWidget(new QLabel(QStringLiteral("音乐"), body()), 0, 0);
    side->addWidget(m_songs, 1, 0);
    side->addWidget(new QLabel(QStringLiteral("歌词"), body()), 2, 0);
    side->addWidget(m_lyricsList, 3, 0);
    side->addWidget(new QLabel(QStringLiteral("正在播放"), body()), 4, 0);
    side->addWidget(m_songName, 5, 0);
    side->addLayout(songTimesRow(body(), m_current, m_total), 6, 0);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(side);
    top->addWidget(m_panel);

    QPushButton* playButton = dialogButton(kind == Kind::Music ? QStringLiteral("播放音乐") : QStringLiteral("预览歌词"), body());
    QPushButton* stopButton = dialogButton(QStringLiteral("停止播放"), body());
    QPushButton* back = dialogButton(QStringLiteral("返        回"), body());
    connect(playButton, &QPushButton::clicked, this, &SongPreviewWindow::play);
    connect(stopButton, &QPushButton::clicked, this, &SongPreviewWindow::stop);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(buttonRow({playButton, stopButton, back}));
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &SongPreviewWindow::onTick);
}

SongPreviewWindow::~SongPreviewWindow()
{
    m_ticker.stop();
    m_player.close();
}

void SongPreviewWindow::chooseSong(int row)
{
    if (row < 0 || row >= m_model.music.count())
        return;
    stop();
    m_song = row;
    m_songName->setText(m_model.music[row].name);
    if (m_songs->currentRow() != row)
        m_songs->setCurrentRow(row);
    if (const Status opened = m_player.open(m_model.music[row].path); !opened.ok()) {
        m_dialogs.message(this, opened.error());
        return;
    }
    m_total->setText(songTimeKeyOfMs(m_player.lengthMs()));
}

void SongPreviewWindow::chooseLyrics(int row)
{
    if (row < 0 || row >= m_model.lyrics.count())
        return;
    m_lyrics = row;
    if (m_lyricsList->currentRow() != row)
        m_lyricsList->setCurrentRow(row);
    if (const Status parsed = m_lines.parse(m_model.lyrics[row].path); !parsed.ok())
        m_dialogs.message(this, parsed.error());
}

void SongPreviewWindow::play()
{
    if (m_kind == Kind::Lyrics && m_lyricsList->currentRow() < 0) {
        m_dialogs.message(this, QStringLiteral("没有选择歌词文件！"));
        return;
    }
    if (m_song < 0) {
        m_dialogs.message(this, m_kind == Kind::Music ? QStringLiteral("没有选择音乐文件！")
                                                      : QStringLiteral("没有选择音乐文件！选择音乐文件后再进行歌词预览"));
        return;
    }
    stop();
    if (const Status opened = m_player.open(m_model.music[m_song].path); !opened.ok()) {
        m_dialogs.message(this, opened.error());
        return;
    }
    m_total->setText(songTimeKeyOfMs(m_player.lengthMs()));
    m_player.play();
    m_ticker.start(tickMs);
}

void SongPreviewWindow::onTick()
{
    showAt(m_player.positionMs());
    if (m_player.isStopped())
        stop();
}

void SongPreviewWindow::showAt(qint64 positionMs)
{
    m_shownMs = positionMs;
    const QString key = songTimeKeyOfMs(positionMs);
    m_current->setText(key);
    // A line stays on screen until the next one is found.
    if (const std::optional<QString> text = m_lines.find(key); text && !m_model.lyrics.isEmpty()) {
        const LyricsRecord& style = m_model.lyrics[std::min<qsizetype>(m_lyrics, m_model.lyrics.count() - 1)];
        m_line = applyLrcStyle(style, *text, panelSize, m_line.geometry.topLeft());
        m_panel->update();
    }
}

QString SongPreviewWindow::currentTime() const
{
    return m_current->text();
}

void SongPreviewWindow::stop()
{
    m_ticker.stop();
    m_player.stop();
    m_line = LrcLabel{};
    m_shownMs = 0;
    m_current->setText(QStringLiteral("00:00"));
    m_panel->update();
}

void SongPreviewWindow::done(int result)
{
    stop();
    m_player.close();
    FramedDialog::done(result);
}

}  // namespace xc::ui
