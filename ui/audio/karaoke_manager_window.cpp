#include "ui/audio/karaoke_manager_window.h"

#include "audio/binding.h"
#include "audio/karaoke_rows.h"
#include "audio/song_time_key.h"
#include "core/album_model.h"
#include "core/workspace.h"
#include "ui/audio/karaoke_style_window.h"
#include "ui/widgets/form_controls.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

namespace xc::ui {

namespace {

constexpr QSize stageSize(800, 450);
constexpr int frameMs = 1000 / albumFramesPerSecond;

QString clockText(qint64 ms)
{
    return QStringLiteral("%1:%2:%3")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'));
}

QStringList managerColumns()
{
    return {QStringLiteral("序号"), QStringLiteral("名称"), QStringLiteral("歌词颜色"), QStringLiteral("高亮颜色"), QStringLiteral("字体"),
            QStringLiteral("大小"), QStringLiteral("粗体"), QStringLiteral("斜体"), QStringLiteral("下划线"), QStringLiteral("位置"),
            QStringLiteral("字体类型")};
}

}  // namespace

// The preview stage: black, with the two karaoke lines.
class KaraokeManagerWindow::Stage : public QWidget {
public:
    Stage(const KaraokeTimeline& timeline, QWidget* parent) : QWidget(parent), m_timeline(timeline) { setFixedSize(stageSize); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintKaraokeDisplay(p, m_timeline.display());
    }

private:
    const KaraokeTimeline& m_timeline;
};

KaraokeManagerWindow::KaraokeManagerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("卡拉OK设置"), parent), m_model(model), m_workspace(workspace), m_dialogs(dialogs),
      m_timeline(stageSize), m_scripts(new QTreeWidget(body())), m_songs(new QListWidget(body())),
      m_total(new QLabel(clockText(0), body())), m_current(new QLabel(clockText(0), body())),
      m_stage(new Stage(m_timeline, body()))
{
    setObjectName(QStringLiteral("TForm46"));
    m_scripts->setObjectName(QStringLiteral("suiListView_ksc"));
    m_scripts->setRootIsDecorated(false);
    m_scripts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_scripts->setHeaderLabels(managerColumns());
    for (const MusicRecord& song : model.music)
        m_songs->addItem(song.name);
    connect(m_scripts, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = m_scripts->selectedItems();
        if (!selected.isEmpty())
            chooseScript(m_scripts->indexOfTopLevelItem(selected.first()));
    });
    connect(m_songs, &QListWidget::currentRowChanged, this, &KaraokeManagerWindow::chooseSong);

    const auto button = [this](const char* caption, void (KaraokeManagerWindow::*action)()) {
        QPushButton* made = dialogButton(QString::fromUtf8(caption), body());
        connect(made, &QPushButton::clicked, this, action);
        return made;
    };
    QPushButton* importButton = dialogButton(QStringLiteral("导入卡拉OK歌词"), body());
    connect(importButton, &QPushButton::clicked, this, [this] { importScripts(); });
    QPushButton* style = dialogButton(QStringLiteral("设置歌词"), body());
    connect(style, &QPushButton::clicked, this, &KaraokeManagerWindow::editStyle);
    QPushButton* back = dialogButton(QStringLiteral("返     回"), body());
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QGridLayout;
    left->addWidget(new QLabel(QStringLiteral("音乐"), body()), 0, 0);
    left->addWidget(m_songs, 1, 0);
    left->addLayout(songTimesRow(body(), m_current, m_total), 2, 0);
    auto* players = new QHBoxLayout;
    QPushButton* playButton = button("播放", &KaraokeManagerWindow::play);
    playButton->setDefault(true);  // Enter plays
    for (QPushButton* player : {playButton, button("暂停", &KaraokeManagerWindow::pause), button("停止", &KaraokeManagerWindow::stop)})
        players->addWidget(player);
    left->addLayout(players, 3, 0);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(left);
    top->addWidget(m_stage);

    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {importButton, style, button("删除歌词", &KaraokeManagerWindow::deleteSelected),
                                 button("全删歌词", &KaraokeManagerWindow::deleteAll),
                                 button("查看匹配", &KaraokeManagerWindow::showMatching)})
        commands->addWidget(command);
    commands->addStretch();
    commands->addWidget(back);

    bodyLayout()->addLayout(top);
    bodyLayout()->addWidget(m_scripts, 1);
    bodyLayout()->addLayout(commands);
    m_scripts->setMinimumHeight(110);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &KaraokeManagerWindow::onTick);
    rebuildList();
    // Ready to play at once: the first song with the first script, as they pair in the album.
    if (!model.music.isEmpty())
        m_songs->setCurrentRow(0);
    if (m_scripts->topLevelItemCount() > 0)
        m_scripts->topLevelItem(0)->setSelected(true);
}

KaraokeManagerWindow::~KaraokeManagerWindow()
{
    m_ticker.stop();
    m_player.close();
}

void KaraokeManagerWindow::rebuildList()
{
    m_scripts->clear();
    for (const QStringList& row : karaokeManagerRows(m_model))
        m_scripts->addTopLevelItem(new QTreeWidgetItem(row));
    for (int column = 0; column < m_scripts->columnCount(); ++column)
        m_scripts->resizeColumnToContents(column);
}

void KaraokeManagerWindow::importScripts(const QStringList& files)
{
    const QStringList chosen = files.isEmpty() ? m_dialogs.openFiles(this, QStringLiteral("导入卡拉OK歌词"),
                                                                     QStringLiteral("导入卡拉OK歌词文件 (KSC)|*.ksc;"),
                                                                     m_workspace.path(QStringLiteral("yinyuegeci/甜蜜蜜.ksc")))
                                               : files;
    if (chosen.isEmpty())
        return;
    if (const Status imported = importKaraokeScripts(m_model, chosen); !imported.ok())
        m_dialogs.message(this, imported.error());
    rebuildList();
}

void KaraokeManagerWindow::chooseScript(int row)
{
    if (row < 0 || row >= m_model.karaoke.count())
        return;
    m_script = row;
    if (const Status loaded = m_timeline.loadScript(m_model, row); !loaded.ok())
        m_dialogs.message(this, loaded.error());
    m_stage->update();
}

void KaraokeManagerWindow::chooseSong(int row)
{
    if (row < 0 || row >= m_model.music.count())
        return;
    m_ticker.stop();
    m_song = row;
    if (const Status opened = m_player.open(m_model.music[row].path); !opened.ok()) {
        m_dialogs.message(this, opened.error());
        m_song = -1;
        return;
    }
    m_total->setText(clockText(m_player.lengthMs()));
    clearPreview();
}

bool KaraokeManagerWindow::checkPlayable()
{
    if (m_song < 0) {
        m_dialogs.message(this, QStringLiteral("没有选择音乐文件！"));
        return false;
    }
    if (m_script < 0) {
        m_dialogs.message(this, QStringLiteral("没有导入卡拉OK歌词文件！"));
        return false;
    }
    return true;
}

void KaraokeManagerWindow::play()
{
    if (!checkPlayable())
        return;
    m_player.play();
    m_ticker.start(frameMs);
}

void KaraokeManagerWindow::pause()
{
    if (!checkPlayable())
        return;
    m_ticker.stop();
    m_player.stop();
}

void KaraokeManagerWindow::stop()
{
    m_ticker.stop();
    if (m_song < 0)
        return;
    m_player.open(m_model.music[m_song].path);  // back to the start of the song
    clearPreview();
}

void KaraokeManagerWindow::clearPreview()
{
    m_current->setText(clockText(0));
    m_shownFrames = 0;
    if (m_script >= 0)
        m_timeline.loadScript(m_model, m_script);  // an empty display, ready from the start
    m_stage->update();
}

void KaraokeManagerWindow::onTick()
{
    showAt(m_player.positionMs());
    if (m_player.isStopped())
        stop();
}

void KaraokeManagerWindow::showAt(qint64 positionMs)
{
    m_current->setText(clockText(positionMs));
    // One display step per album frame the song has passed, whatever the ticks did: a late tick
    // catches up, so the highlight stays with the song and equals the album's, frame for frame.
    const qint64 frames = positionMs / frameMs;
    if (frames == m_shownFrames)
        return;
    while (m_shownFrames < frames)
        m_timeline.advanceDisplay(songTimeKeyOfFrames(++m_shownFrames));
    m_stage->update();
}

qint64 KaraokeManagerWindow::shownPositionMs() const
{
    return m_shownFrames * frameMs;
}

QString KaraokeManagerWindow::currentTime() const
{
    return m_current->text();
}

void KaraokeManagerWindow::editStyle()
{
    if (m_model.karaoke.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有导入卡拉OK歌词文件！"));
        return;
    }
    if (m_script < 0) {
        m_dialogs.message(this, QStringLiteral("没有选中卡拉OK歌词文件！"));
        return;
    }
    KaraokeStyleWindow window(m_model.karaoke[m_script], this);
    if (window.exec() != QDialog::Accepted)
        return;
    m_model.karaoke[m_script] = window.style();
    const int script = m_script;
    rebuildList();
    m_scripts->topLevelItem(script)->setSelected(true);  // the preview takes the new style
}

void KaraokeManagerWindow::deleteSelected()
{
    if (m_model.karaoke.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有导入卡拉OK歌词文件！"));
        return;
    }
    QList<qsizetype> rows;
    for (QTreeWidgetItem* item : m_scripts->selectedItems())
        rows.append(m_scripts->indexOfTopLevelItem(item));
    if (rows.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有选中卡拉OK歌词文件！"));
        return;
    }
    m_ticker.stop();
    m_script = -1;
    const QString notice = deleteKaraokeRows(m_model, rows);
    rebuildList();
    clearPreview();
    m_dialogs.message(this, notice);
}

void KaraokeManagerWindow::deleteAll()
{
    if (m_model.karaoke.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有导入卡拉OK歌词文件！"));
        return;
    }
    m_ticker.stop();
    m_script = -1;
    const QString notice = deleteAllKaraokeRows(m_model);
    rebuildList();
    clearPreview();
    m_dialogs.message(this, notice);
}

void KaraokeManagerWindow::showMatching()
{
    QStringList lines;
    for (const QStringList& row : karaokeMatchingRows(m_model))
        lines << row.join(QStringLiteral("  "));
    m_dialogs.message(this, lines.isEmpty() ? QStringLiteral("还没有音乐和卡拉OK歌词。") : lines.join(QLatin1Char('\n')));
}

void KaraokeManagerWindow::done(int result)
{
    m_ticker.stop();
    m_player.close();
    FramedDialog::done(result);
}

}  // namespace xc::ui
