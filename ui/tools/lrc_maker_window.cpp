#include "ui/tools/lrc_maker_window.h"

#include "audio/binding.h"
#include "audio/lyrics_import.h"
#include "audio/song_time_key.h"
#include "core/album_model.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/import_window.h"
#include "ui/shell/theme.h"
#include "ui/tools/tool_windows.h"
#include "ui/widgets/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <algorithm>

namespace xc::ui {

namespace {

constexpr QSize previewSize(430, 300);
constexpr int tickMs = 30;
constexpr qint64 smallStepMs = 100;
constexpr qint64 largeStepMs = 1000;
enum Column { NumberColumn, TimeColumn, TextColumn };

const QString unstampedText = QStringLiteral("--:--.--");

// Only the lyric column is edited in place: times change by stamping and nudging.
class TextColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return index.column() == TextColumn ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
    }
};

bool samePath(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

// The preview stage: the line sung now in large type, the lines before and after it dimmed.
class LrcMakerWindow::Preview : public QWidget {
public:
    explicit Preview(QWidget* parent) : QWidget(parent) { setFixedSize(previewSize); }

    void setLines(const QString& previous, const QString& current, const QString& next, const QString& placeholder)
    {
        m_previous = previous;
        m_current = current;
        m_next = next;
        m_placeholder = placeholder;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintLyricStage(p, rect());
        p.setRenderHint(QPainter::TextAntialiasing);
        const QRect inner = rect().adjusted(18, 0, -18, 0);
        const auto line = [&](const QString& text, const QFont& font, const QColor& colour, int centreY) {
            if (text.isEmpty())
                return;
            p.setFont(font);
            p.setPen(colour);
            const QFontMetrics metrics(font);
            const QRect box(inner.left(), centreY - metrics.height(), inner.width(), metrics.height() * 2);
            p.drawText(box, Qt::AlignCenter, metrics.elidedText(text, Qt::ElideRight, inner.width()));
        };
        if (!m_placeholder.isEmpty()) {
            p.setFont(uiFont(15));
            p.setPen(theme::textMuted);
            p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
            return;
        }
        line(m_previous, uiFont(17), theme::textMuted, height() / 2 - 70);
        line(m_current, uiFont(28, true), theme::accent, height() / 2);
        line(m_next, uiFont(17), theme::textMuted, height() / 2 + 70);
    }

private:
    QString m_previous, m_current, m_next, m_placeholder;
};

bool LrcMakerWindow::open(const ToolContext& context)
{
    LrcMakerWindow window(context.model, context.workspace, context.dialogs, context.parent);
    window.exec();
    return window.albumChanged();
}

LrcMakerWindow::LrcMakerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("歌词制作"), parent), m_model(model), m_workspace(workspace), m_dialogs(dialogs),
      m_lyricsName(new QLabel(QStringLiteral("未导入歌词"), body())), m_songs(new QComboBox(body())),
      m_songName(new QLabel(QStringLiteral("未选择歌曲"), body())), m_current(new QLabel(QStringLiteral("00:00.00"), body())),
      m_total(new QLabel(QStringLiteral("00:00"), body())), m_table(new QTreeWidget(body())), m_status(new QLabel(body())),
      m_preview(new Preview(body())), m_addToAlbum(new QCheckBox(QStringLiteral("保存后添加到相册并绑定到歌曲"), body()))
{
    setObjectName(QStringLiteral("LrcMakerWindow"));
    m_table->setObjectName(QStringLiteral("LrcMakerLines"));
    m_songs->setObjectName(QStringLiteral("LrcMakerSongs"));
    m_addToAlbum->setObjectName(QStringLiteral("LrcMakerAddToAlbum"));

    // Keys belong to the stamping: no button or box may take Space or the arrows for itself.
    for (const QString& song : [&] {
             QStringList names;
             for (const MusicRecord& record : model.music)
                 names << record.name;
             return names;
         }())
        m_songs->addItem(song);
    m_songs->setPlaceholderText(model.music.isEmpty() ? QStringLiteral("相册中没有音乐") : QStringLiteral("选择相册中的歌曲"));
    m_songs->setCurrentIndex(-1);
    m_songs->setFocusPolicy(Qt::NoFocus);
    m_songs->setMinimumWidth(220);
    connect(m_songs, &QComboBox::activated, this, &LrcMakerWindow::chooseAlbumSong);
    m_addToAlbum->setFocusPolicy(Qt::NoFocus);
    m_addToAlbum->setEnabled(false);
    m_addToAlbum->setToolTip(QStringLiteral("选择相册中的歌曲后可用"));
    for (QLabel* name : {m_lyricsName, m_songName}) {
        name->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
        name->setMinimumWidth(160);
    }
    m_status->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));

    m_table->setColumnCount(3);
    m_table->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("时间"), QStringLiteral("歌词")});
    m_table->setRootIsDecorated(false);
    m_table->setAlternatingRowColors(true);
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->setItemDelegate(new TextColumnDelegate(m_table));
    m_table->header()->setStretchLastSection(true);
    m_table->setColumnWidth(NumberColumn, 52);
    m_table->setColumnWidth(TimeColumn, 96);
    m_table->setMinimumSize(520, 380);
    m_table->installEventFilter(this);
    connect(m_table, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_selected = item ? m_table->indexOfTopLevelItem(item) : -1;
        refreshStatus();
    });
    connect(m_table, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const int row = m_table->indexOfTopLevelItem(item);
        if (column != TextColumn || row < 0 || row >= m_sheet.lines.size())
            return;
        m_sheet.lines[row].text = item->text(TextColumn).trimmed();
    });

    const auto button = [this](const QString& caption, auto slot) {
        QPushButton* b = dialogButton(caption, body());
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* importButton = button(QStringLiteral("导入歌词…"), [this] { importLyrics(); });
    QPushButton* songFileButton = button(QStringLiteral("打开歌曲文件…"), [this] { openSongFile(); });
    QPushButton* playButton = button(QStringLiteral("播放"), &LrcMakerWindow::play);
    QPushButton* pauseButton = button(QStringLiteral("暂停"), &LrcMakerWindow::pause);
    QPushButton* stopButton = button(QStringLiteral("停止"), &LrcMakerWindow::stop);
    QPushButton* stampButton = button(QStringLiteral("打点（空格）"), &LrcMakerWindow::stamp);
    stampButton->setObjectName(QStringLiteral("LrcMakerStamp"));
    stampButton->setMinimumHeight(40);
    stampButton->setFont(uiFont(15, true));
    QPushButton* backLarge = button(QStringLiteral("-1秒"), [this] { nudge(-largeStepMs); });
    QPushButton* backSmall = button(QStringLiteral("-0.1秒"), [this] { nudge(-smallStepMs); });
    QPushButton* onSmall = button(QStringLiteral("+0.1秒"), [this] { nudge(smallStepMs); });
    QPushButton* onLarge = button(QStringLiteral("+1秒"), [this] { nudge(largeStepMs); });
    QPushButton* clearButton = button(QStringLiteral("清除时间"), &LrcMakerWindow::clearStamp);
    QPushButton* saveButton = button(QStringLiteral("保存歌词…"), [this] { save(); });
    QPushButton* back = button(QStringLiteral("返        回"), &QDialog::accept);

    // Left: where the lyrics and the song come from, then the lines and the nudges.
    auto* sources = new QGridLayout;
    sources->setHorizontalSpacing(10);
    sources->addWidget(new QLabel(QStringLiteral("歌词"), body()), 0, 0);
    sources->addWidget(importButton, 0, 1);
    sources->addWidget(m_lyricsName, 0, 2, 1, 2);
    sources->addWidget(new QLabel(QStringLiteral("歌曲"), body()), 1, 0);
    sources->addWidget(m_songs, 1, 1);
    sources->addWidget(songFileButton, 1, 2);
    sources->addWidget(m_songName, 1, 3);
    sources->setColumnStretch(3, 1);

    auto* nudges = new QHBoxLayout;
    nudges->addWidget(new QLabel(QStringLiteral("调整时间"), body()));
    for (QPushButton* b : {backLarge, backSmall, onSmall, onLarge, clearButton})
        nudges->addWidget(b);
    nudges->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(sources);
    left->addWidget(m_table, 1);
    left->addWidget(m_status);
    left->addLayout(nudges);

    // Right: the song's transport, the stage and the keys.
    auto* transport = new QHBoxLayout;
    for (QPushButton* b : {playButton, pauseButton, stopButton})
        transport->addWidget(b);
    auto* keys = new QLabel(QStringLiteral("空格：打点并转到下一行　　↑/↓：选择行\n←/→：调整 0.1 秒　　Shift+←/→：调整 1 秒\nDelete：清除时间　　双击歌词：修改文字"),
                            body());
    keys->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    auto* right = new QVBoxLayout;
    right->addLayout(transport);
    right->addLayout(songTimesRow(body(), m_current, m_total));
    right->addWidget(m_preview);
    right->addWidget(stampButton);
    right->addWidget(keys);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(left, 1);
    top->addLayout(right);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_addToAlbum);
    bottom->addStretch();
    bottom->addWidget(saveButton);
    bottom->addWidget(back);
    bodyLayout()->addLayout(top, 1);
    bodyLayout()->addLayout(bottom);

    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &LrcMakerWindow::onTick);
    refreshRows();
    if (!model.music.isEmpty())
        chooseAlbumSong(0);
}

LrcMakerWindow::~LrcMakerWindow()
{
    m_ticker.stop();
    m_player.close();
}

void LrcMakerWindow::importLyrics(const QString& path)
{
    QString file = path;
    if (file.isEmpty()) {
        const QStringList chosen = m_dialogs.openFiles(this, QStringLiteral("导入歌词"), QStringLiteral("歌词文本或LRC歌词(TXT, LRC)|*.txt;*.lrc;"),
                                                       m_lyricsPath);
        if (chosen.isEmpty())
            return;
        file = chosen.first();
    }
    Result<LyricTimingSheet> read = readLyricsForTiming(file);
    if (!read.ok()) {
        m_dialogs.message(this, read.error());
        return;
    }
    const bool hasStamps = std::any_of(m_sheet.lines.begin(), m_sheet.lines.end(), [](const TimedLyricLine& l) { return l.timeMs; });
    if (hasStamps && !m_dialogs.confirm(this, QStringLiteral("导入歌词"), QStringLiteral("导入的歌词将替换当前歌词和已打的时间，继续吗？"),
                                        QStringLiteral("导入"))) {
        return;
    }
    m_sheet = std::move(read.value());
    m_lyricsPath = file;
    m_lyricsName->setText(QFileInfo(file).fileName());
    m_lyricsName->setToolTip(file);
    refreshRows();
    selectLine(0);
    showAt(m_player.positionMs());
}

void LrcMakerWindow::chooseAlbumSong(int row)
{
    if (row < 0 || row >= m_model.music.count())
        return;
    if (!setSong(m_model.music[row].path, row))
        m_songs->setCurrentIndex(m_albumSong);
}

void LrcMakerWindow::openSongFile(const QString& path)
{
    QString file = path;
    if (file.isEmpty()) {
        const QStringList chosen = m_dialogs.openFiles(this, QStringLiteral("打开歌曲"), QStringLiteral("音乐文件(MP3)|*.mp3;"), m_songPath);
        if (chosen.isEmpty())
            return;
        file = chosen.first();
    }
    // A file that is also an album song counts as that song, so it can be bound.
    int albumRow = -1;
    for (qsizetype i = 0; i < m_model.music.count(); ++i)
        if (samePath(m_model.music[i].path, file))
            albumRow = int(i);
    setSong(file, albumRow);
}

bool LrcMakerWindow::setSong(const QString& path, int albumRow)
{
    stop();
    if (const Status opened = m_player.open(path); !opened.ok()) {
        m_dialogs.message(this, opened.error());
        // The song chosen before stays in place.
        if (!m_songPath.isEmpty())
            m_player.open(m_songPath);
        return false;
    }
    m_songPath = path;
    m_albumSong = albumRow;
    m_songs->setCurrentIndex(albumRow);
    m_songName->setText(QFileInfo(path).fileName());
    m_songName->setToolTip(path);
    m_total->setText(songTimeKeyOfMs(m_player.lengthMs()));
    m_addToAlbum->setEnabled(albumRow >= 0);
    m_addToAlbum->setToolTip(albumRow >= 0 ? QString() : QStringLiteral("选择相册中的歌曲后可用"));
    if (albumRow < 0)
        m_addToAlbum->setChecked(false);
    showAt(0);
    return true;
}

void LrcMakerWindow::play()
{
    if (!m_player.isOpen()) {
        m_dialogs.message(this, QStringLiteral("没有选择歌曲！请选择相册中的歌曲或打开歌曲文件"));
        return;
    }
    m_player.play();
    m_ticker.start(tickMs);
}

void LrcMakerWindow::pause()
{
    m_ticker.stop();
    m_player.stop();
    showAt(m_player.positionMs());
}

void LrcMakerWindow::stop()
{
    m_ticker.stop();
    if (m_player.isOpen()) {
        // Opening again is how the player goes back to the song's start.
        m_player.stop();
        if (!m_player.open(m_songPath).ok())
            m_songPath.clear();
    }
    showAt(0);
}

void LrcMakerWindow::onTick()
{
    showAt(m_player.positionMs());
    if (m_player.isStopped())
        m_ticker.stop();
}

void LrcMakerWindow::stamp()
{
    if (!isPlaying()) {
        m_dialogs.message(this, QStringLiteral("请先播放歌曲，在唱到每一行时按空格键打点"));
        return;
    }
    stampAt(m_player.positionMs());
}

void LrcMakerWindow::stampAt(qint64 positionMs)
{
    if (m_selected < 0 || m_selected >= m_sheet.lines.size())
        return;
    m_sheet.lines[m_selected].timeMs = std::max<qint64>(positionMs, 0);
    refreshRow(m_selected);
    selectLine(m_selected + 1 < m_sheet.lines.size() ? m_selected + 1 : -1);
    showAt(isPlaying() ? m_player.positionMs() : positionMs);
}

void LrcMakerWindow::nudge(qint64 deltaMs)
{
    if (m_selected < 0 || m_selected >= m_sheet.lines.size() || !m_sheet.lines[m_selected].timeMs)
        return;
    std::optional<qint64>& time = m_sheet.lines[m_selected].timeMs;
    time = std::max<qint64>(*time + deltaMs, 0);
    refreshRow(m_selected);
    showAt(isPlaying() ? m_player.positionMs() : *time);
}

void LrcMakerWindow::clearStamp()
{
    if (m_selected < 0 || m_selected >= m_sheet.lines.size())
        return;
    m_sheet.lines[m_selected].timeMs.reset();
    refreshRow(m_selected);
    refreshStatus();
    showAt(m_player.positionMs());
}

void LrcMakerWindow::selectLine(int row)
{
    if (row < 0 || row >= m_sheet.lines.size()) {
        m_table->setCurrentItem(nullptr);
        m_table->clearSelection();
        m_selected = -1;
    } else {
        QTreeWidgetItem* item = m_table->topLevelItem(row);
        m_table->setCurrentItem(item);
        m_table->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        m_selected = row;
    }
    refreshStatus();
}

void LrcMakerWindow::showAt(qint64 positionMs)
{
    m_current->setText(lrcTimeTag(positionMs));
    if (m_sheet.lines.isEmpty()) {
        m_previewLine = -1;
        m_preview->setLines({}, {}, {}, QStringLiteral("导入歌词文本（TXT）或LRC歌词后，播放歌曲并在唱到每一行时按空格键打点"));
        return;
    }
    // The stamped lines in the order they are sung.
    QList<int> order;
    for (int i = 0; i < m_sheet.lines.size(); ++i)
        if (m_sheet.lines[i].timeMs)
            order << i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return *m_sheet.lines[a].timeMs < *m_sheet.lines[b].timeMs; });
    qsizetype at = -1;
    for (qsizetype k = 0; k < order.size() && *m_sheet.lines[order[k]].timeMs <= positionMs; ++k)
        at = k;
    m_previewLine = at >= 0 ? order[at] : -1;
    const auto text = [&](qsizetype k) { return k >= 0 && k < order.size() ? m_sheet.lines[order[k]].text : QString(); };
    m_preview->setLines(text(at - 1), text(at), text(at + 1),
                        order.isEmpty() ? QStringLiteral("还没有打点的歌词行：播放歌曲，在唱到每一行时按空格键") : QString());
}

bool LrcMakerWindow::save()
{
    if (m_sheet.lines.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有歌词！请先导入歌词文本（TXT）或LRC歌词"));
        return false;
    }
    if (const qsizetype unstamped = m_sheet.unstampedCount(); unstamped > 0) {
        m_dialogs.message(this, QStringLiteral("还有 %1 行歌词没有时间，全部打点后才能保存").arg(unstamped));
        return false;
    }
    QString path = m_dialogs.saveFile(this, QStringLiteral("保存歌词"), QStringLiteral("LRC歌词文件(LRC)|*.lrc;"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("lrc"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".lrc");
    // Saving makes a new file: what the user brought in (the lyrics, the songs, the album's
    // lyrics) is never written over.
    QStringList imported{m_lyricsPath, m_songPath};
    for (const MusicRecord& song : m_model.music)
        imported << song.path;
    for (const LyricsRecord& lyrics : m_model.lyrics)
        imported << lyrics.path;
    if (std::any_of(imported.begin(), imported.end(), [&](const QString& file) { return samePath(file, path); })) {
        m_dialogs.message(this, QStringLiteral("不能覆盖已导入的文件：%1\n请另选一个文件名").arg(path));
        return false;
    }
    if (QFileInfo::exists(path)
        && !m_dialogs.confirm(this, QStringLiteral("保存歌词"), QStringLiteral("%1 已经存在，要替换它吗？").arg(path), QStringLiteral("替换"))) {
        return false;
    }
    LyricTimingSheet sheet = m_sheet;
    if (sheet.title.isEmpty() && !m_songPath.isEmpty())
        sheet.title = m_albumSong >= 0 ? m_model.music[m_albumSong].name : QFileInfo(m_songPath).completeBaseName();
    if (const Status written = writeLrcFile(path, sheet); !written.ok()) {
        m_dialogs.message(this, written.error());
        return false;
    }
    m_status->setText(QStringLiteral("已保存：%1").arg(path));
    if (m_addToAlbum->isEnabled() && m_addToAlbum->isChecked())
        addToAlbum(path);
    return true;
}

bool LrcMakerWindow::addToAlbum(const QString& lrcPath)
{
    const qsizetype row = m_model.lyrics.count();
    const Status imported = ImportWindow::run(
        this, [&](Progress& progress) { return xc::importLyrics(m_model, m_workspace, {lrcPath}, progress); },
        QStringLiteral("添加歌词"));
    if (!imported.ok()) {
        m_dialogs.message(this, imported.error());
        return false;
    }
    m_albumChanged = true;
    // The import pairs new lyrics with an unbound song at the same position; the user chose the
    // song, so that pairing is undone before binding.
    unbindLyrics(m_model, row);
    bindLyricsToSong(m_model, row, m_albumSong);
    m_status->setText(QStringLiteral("已保存并添加到相册，绑定到歌曲“%1”").arg(m_model.music[m_albumSong].name));
    return true;
}

void LrcMakerWindow::refreshRows()
{
    const QSignalBlocker blocker(m_table);
    m_table->clear();
    for (int row = 0; row < m_sheet.lines.size(); ++row) {
        auto* item = new QTreeWidgetItem(m_table);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setText(NumberColumn, QString::number(row + 1));
        item->setTextAlignment(NumberColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(TimeColumn, Qt::AlignCenter);
        item->setText(TextColumn, m_sheet.lines[row].text);
        refreshRow(row);
    }
    m_selected = -1;
    refreshStatus();
}

void LrcMakerWindow::refreshRow(int row)
{
    QTreeWidgetItem* item = m_table->topLevelItem(row);
    if (!item)
        return;
    const QSignalBlocker blocker(m_table);
    const std::optional<qint64>& time = m_sheet.lines[row].timeMs;
    item->setText(TimeColumn, time ? lrcTimeTag(*time) : unstampedText);
    item->setForeground(TimeColumn, time ? theme::text : theme::textMuted);
    refreshStatus();
}

void LrcMakerWindow::refreshStatus()
{
    if (m_sheet.lines.isEmpty()) {
        m_status->setText(QStringLiteral("没有歌词"));
        return;
    }
    const qsizetype unstamped = m_sheet.unstampedCount();
    const QString where = m_selected >= 0 ? QStringLiteral("第 %1 / %2 行").arg(m_selected + 1).arg(m_sheet.lines.size())
                                          : QStringLiteral("共 %1 行").arg(m_sheet.lines.size());
    m_status->setText(unstamped > 0 ? QStringLiteral("%1　　还有 %2 行没有时间").arg(where).arg(unstamped)
                                    : QStringLiteral("%1　　全部歌词已打点，可以保存").arg(where));
}

bool LrcMakerWindow::handleKey(QKeyEvent* event)
{
    const bool large = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            stamp();
        return true;
    case Qt::Key_Left:
        nudge(large ? -largeStepMs : -smallStepMs);
        return true;
    case Qt::Key_Right:
        nudge(large ? largeStepMs : smallStepMs);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        clearStamp();
        return true;
    default:
        return false;
    }
}

void LrcMakerWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        FramedDialog::keyPressEvent(event);
}

bool LrcMakerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return FramedDialog::eventFilter(watched, event);
}

void LrcMakerWindow::done(int result)
{
    m_ticker.stop();
    m_player.close();
    FramedDialog::done(result);
}

}  // namespace xc::ui
