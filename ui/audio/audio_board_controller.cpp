#include "ui/audio/audio_board_controller.h"

#include "audio/binding.h"
#include "audio/board_swap.h"
#include "audio/lyrics_import.h"
#include "audio/music_import.h"
#include "audio/music_lyrics_deletion.h"
#include "core/album_model.h"
#include "core/board_views.h"
#include "core/keywords.h"
#include "core/workspace.h"
#include "ui/audio/audio_windows.h"
#include "ui/audio/song_preview_window.h"
#include "ui/boards/board_area.h"
#include "ui/boards/tile_board.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/hint_window.h"
#include "ui/shell/import_window.h"
#include "ui/shell/side_panel.h"
#include "ui/widgets/item_texts.h"

#include <QFile>
#include <QPixmap>
#include <QTreeWidget>

namespace xc::ui {

namespace {

// Music and lyrics tiles are 150 × 150 with their 130 × 115 thumbnail in the middle.
constexpr QSize audioTileSize(150, 150);

AudioWindows& defaultAudioWindows()
{
    static AudioWindows windows;
    return windows;
}

QString orNone(const QString& value)
{
    return value == kw::none ? QStringLiteral("无") : value;
}

}  // namespace

AudioBoardController::AudioBoardController(AudioBoard board, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs,
                                           SidePanel& sidePanel, QWidget* window)
    : QObject(window), m_kind(board), m_model(model), m_workspace(workspace), m_dialogs(dialogs), m_sidePanel(sidePanel),
      m_window(window), m_board(new TileBoard(window)),
      m_itemHint(new HintWindow(HintWindow::Kind::Item,
                                board == AudioBoard::Music ? QStringLiteral("音乐控件渐变提示信息") : QStringLiteral("歌词控件渐变提示信息"),
                                window)),
      m_windows(&defaultAudioWindows())
{
    m_board->setTileSize(audioTileSize);
    connect(m_board, &TileBoard::tilesDropped, this, [this](int dragged, int target) {
        m_itemHint->closeNow();
        if (target < 0)
            return;  // a drop elsewhere changes nothing
        (isMusic() ? swapSongs : swapLyrics)(m_model, m_workspace, dragged, target);
        Q_EMIT changed();
    });
    connect(m_board, &TileBoard::selectionChanged, this, [this](int index) {
        m_itemHint->closeNow();
        m_model.settings.selectedId = index < 0 ? kw::none : QString::number(index);
        showSelectedPreview();
    });
    connect(m_board, &TileBoard::hoveredTileChanged, this, [this](int index) {
        if (index < 0)
            m_itemHint->closeNow();
        else
            m_itemHint->showHint(itemHint(index));
    });
    connect(m_board, &TileBoard::tileDoubleClicked, this, [this] {
        m_itemHint->closeNow();
        runCommand(isMusic() ? AreaCommand::MusicPreview : AreaCommand::LyricsPreview);
    });
    connect(m_board, &TileBoard::contextMenuRequested, this, [this](int, const QPoint& at) {
        if (m_area)
            m_area->popUpContextMenu(at);
    });
}

void AudioBoardController::setArea(BoardArea* area)
{
    m_area = area;
    connect(area->listView(), &QTreeWidget::itemSelectionChanged, this, &AudioBoardController::showSelectedPreview);
    rebuild();
}

qsizetype AudioBoardController::selectedRow() const
{
    const qsizetype count = isMusic() ? m_model.music.count() : m_model.lyrics.count();
    if (m_area && m_area->isListShown())
        return m_area->selectedListRow();
    bool ok = false;
    const qsizetype index = m_model.settings.selectedId.toLongLong(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

void AudioBoardController::rebuild()
{
    const qsizetype count = isMusic() ? m_model.music.count() : m_model.lyrics.count();
    QList<TileItem> tiles;
    for (qsizetype row = 0; row < count; ++row)
        tiles.append(TileItem{boardThumbnailPath(m_workspace, m_model.settings, m_kind, row + 1), {}});
    m_board->setTiles(tiles);
    if (!m_area)
        return;
    if (isMusic())
        m_area->setListRows(musicListColumns(), musicListView(m_model));
    else
        m_area->setListRows(lyricsListColumns(), lyricsListView(m_model));
    if (m_model.settings.boardView == kw::boardList)
        m_area->showList();
    else
        m_area->showTiles();
}

void AudioBoardController::addFiles(const QStringList& files)
{
    const QString caption = isMusic() ? QStringLiteral("添加音乐") : QStringLiteral("添加歌词");
    QStringList chosen = files;
    if (chosen.isEmpty()) {
        // The dialog opens on the sample song or lyrics, so a first-time user finds something to try.
        chosen = isMusic() ? m_dialogs.openFiles(m_window, caption, QStringLiteral("添加音乐文件(MP3)|*.mp3;"),
                                                 m_workspace.path(QStringLiteral("yinyuegeci/甜蜜蜜.mp3")))
                           : m_dialogs.openFiles(m_window, caption, QStringLiteral("添加歌词文件(LRC)|*.lrc;"),
                                                 m_workspace.path(QStringLiteral("yinyuegeci/甜蜜蜜.lrc")));
    }
    if (chosen.isEmpty())
        return;
    const Status imported = ImportWindow::run(
        m_window,
        [&](Progress& progress) {
            return isMusic() ? importMusic(m_model, m_workspace, chosen, progress) : importLyrics(m_model, m_workspace, chosen, progress);
        },
        caption);
    if (!imported.ok()) {
        m_dialogs.message(m_window, imported.error());
        return;
    }
    m_model.settings.boardView = kw::boardIcons;
    Q_EMIT changed();
}

void AudioBoardController::runCommand(AreaCommand command)
{
    m_itemHint->closeNow();
    switch (command) {
    case AreaCommand::Tiles:
    case AreaCommand::List:
        m_model.settings.boardView = command == AreaCommand::List ? kw::boardList : kw::boardIcons;
        m_model.settings.selectedId = kw::none;
        rebuild();
        break;
    case AreaCommand::Delete:
        deleteSelected();
        break;
    case AreaCommand::DeleteAll:
        deleteAll();
        break;
    case AreaCommand::Bind:
        bind();
        break;
    case AreaCommand::Unbind:
        unbind();
        break;
    case AreaCommand::UnbindAll:
        unbindAllRows();
        break;
    case AreaCommand::AutoBind:
        bindAutomatically();
        break;
    case AreaCommand::LyricsSettings:
        editLyricStyle();
        break;
    case AreaCommand::MusicPreview:
    case AreaCommand::LyricsPreview:
        SongPreviewWindow::open(m_window, isMusic() ? SongPreviewWindow::Kind::Music : SongPreviewWindow::Kind::Lyrics, m_model,
                                m_dialogs, selectedRow());
        break;
    case AreaCommand::Preview:
    case AreaCommand::Cropping:
        break;  // the photo board's
    }
}

bool AudioBoardController::confirm(const QString& caption, const QString& question, const QString& okCaption)
{
    return m_dialogs.confirm(m_window, caption, question, okCaption);
}

void AudioBoardController::deleteSelected()
{
    const qsizetype count = isMusic() ? m_model.music.count() : m_model.lyrics.count();
    if (count == 0)
        return;
    const qsizetype row = selectedRow();
    if (row < 0) {
        m_dialogs.message(m_window, isMusic() ? QStringLiteral("没有选中音乐文件！") : QStringLiteral("没有选中歌词文件！"));
        return;
    }
    if (!confirm(isMusic() ? QStringLiteral("删除音乐") : QStringLiteral("删除歌词"),
                 isMusic() ? QStringLiteral("确定删除这个音乐文件吗？") : QStringLiteral("确定删除这个歌词文件吗？"),
                 QStringLiteral("确定删除")))
        return;
    if (isMusic())
        deleteSong(m_model, m_workspace, row);
    else
        deleteLyrics(m_model, m_workspace, row, m_timedLines);
    m_model.settings.selectedId = kw::none;
    m_sidePanel.clearPreview();
    Q_EMIT changed();
}

void AudioBoardController::deleteAll()
{
    if ((isMusic() ? m_model.music.count() : m_model.lyrics.count()) == 0)
        return;
    if (!confirm(isMusic() ? QStringLiteral("删除音乐") : QStringLiteral("删除歌词"),
                 isMusic() ? QStringLiteral("确定删除全部音乐文件吗？") : QStringLiteral("确定删除全部歌词文件吗？"),
                 QStringLiteral("确定删除")))
        return;
    const Status deleted = isMusic() ? deleteAllSongs(m_model, m_workspace) : deleteAllLyrics(m_model, m_workspace, m_timedLines);
    if (!deleted.ok())
        m_dialogs.message(m_window, deleted.error());
    m_model.settings.selectedId = kw::none;
    m_sidePanel.clearPreview();
    Q_EMIT changed();
}

void AudioBoardController::bind()
{
    const BindingBoard board = isMusic() ? BindingBoard::Music : BindingBoard::Lyrics;
    const qsizetype row = selectedRow();
    const CommandCheck check = checkBindingCommand(BindingCommand::Bind, board, m_model, row >= 0);
    if (!check.proceed) {
        if (!check.notice.isEmpty())
            m_dialogs.message(m_window, check.notice);
        return;
    }
    // The binding window lists the other table.
    ListViewRows partners;
    if (isMusic()) {
        for (qsizetype i = 0; i < m_model.lyrics.count(); ++i)
            partners.append({QString::number(i + 1), m_model.lyrics[i].name, m_model.lyrics[i].ext});
    } else {
        for (qsizetype i = 0; i < m_model.music.count(); ++i)
            partners.append({QString::number(i + 1), m_model.music[i].name, m_model.music[i].ext});
    }
    const std::optional<int> picked = m_windows->pickPartner(
        m_window, partners, isMusic() ? QStringLiteral("没有选中歌词文件！") : QStringLiteral("没有选中音乐文件！"), m_dialogs);
    if (!picked)
        return;
    if (isMusic())
        bindSongToLyrics(m_model, row, *picked);
    else
        bindLyricsToSong(m_model, row, *picked);
    Q_EMIT changed();
}

void AudioBoardController::unbind()
{
    const qsizetype row = selectedRow();
    const CommandCheck check =
        checkBindingCommand(BindingCommand::Unbind, isMusic() ? BindingBoard::Music : BindingBoard::Lyrics, m_model, row >= 0);
    if (!check.proceed) {
        if (!check.notice.isEmpty())
            m_dialogs.message(m_window, check.notice);
        return;
    }
    if (!confirm(QStringLiteral("解除绑定"), QStringLiteral("确定解除绑定吗？"), QStringLiteral("确定")))
        return;
    if (isMusic())
        unbindSong(m_model, row);
    else
        unbindLyrics(m_model, row);
    Q_EMIT changed();
}

void AudioBoardController::unbindAllRows()
{
    const CommandCheck check =
        checkBindingCommand(BindingCommand::UnbindAll, isMusic() ? BindingBoard::Music : BindingBoard::Lyrics, m_model, true);
    if (!check.proceed || !confirm(QStringLiteral("全部解绑"), QStringLiteral("确定全部解除绑定吗？"), QStringLiteral("确定")))
        return;
    unbindAll(m_model);
    Q_EMIT changed();
}

void AudioBoardController::bindAutomatically()
{
    const CommandCheck check =
        checkBindingCommand(BindingCommand::Automatic, isMusic() ? BindingBoard::Music : BindingBoard::Lyrics, m_model, true);
    if (!check.proceed) {
        if (!check.notice.isEmpty())
            m_dialogs.message(m_window, check.notice);
        return;
    }
    if (!confirm(QStringLiteral("自动绑定"),
                 QStringLiteral("自动绑定会先解绑所有的绑定,然后按顺序重新自动绑定。确定自动绑定吗？"), QStringLiteral("确定")))
        return;
    const QString notice = pairAutomatically(m_model);
    Q_EMIT changed();
    if (!notice.isEmpty())
        m_dialogs.message(m_window, notice);
}

void AudioBoardController::editLyricStyle()
{
    if (m_model.lyrics.isEmpty())
        return;
    const qsizetype row = selectedRow();
    if (row < 0) {
        m_dialogs.message(m_window, QStringLiteral("没有选中歌词文件！"));
        return;
    }
    if (m_windows->editLyricStyle(m_window, m_model.lyrics[row]))
        Q_EMIT changed();
}

void AudioBoardController::showSelectedPreview()
{
    const qsizetype row = selectedRow();
    const QString thumbnail = boardThumbnailPath(m_workspace, m_model.settings, m_kind, row + 1);
    if (row < 0 || !QFile::exists(thumbnail))
        return;
    m_model.settings.previewShown = QStringLiteral("True");
    m_sidePanel.setPreview(isMusic() ? QStringLiteral("        音乐缩略图预览") : QStringLiteral("        歌词缩略图预览"),
                           QPixmap(thumbnail));
}

QString AudioBoardController::itemHint(qsizetype row) const
{
    if (isMusic()) {
        const MusicRecord& song = m_model.music[row];
        return QStringLiteral("序号：%1\n名称：%2\n类型：%3\n时长：%4\n%5\n歌词：%6")
            .arg(row + 1)
            .arg(song.name, fileTypeText(song.ext), song.duration,
                 song.lyricsKey == kw::none ? QStringLiteral("未绑定歌词") : QStringLiteral("已绑定歌词"), orNone(song.lyricsName));
    }
    const LyricsRecord& lyrics = m_model.lyrics[row];
    return QStringLiteral("序号：%1\n名称：%2\n类型：%3\n%4\n音乐：%5")
        .arg(row + 1)
        .arg(lyrics.name, fileTypeText(lyrics.ext),
             lyrics.musicKey == kw::none ? QStringLiteral("未绑定音乐") : QStringLiteral("已绑定音乐"), orNone(lyrics.musicName));
}

}  // namespace xc::ui
