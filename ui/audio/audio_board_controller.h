#pragma once

#include "audio/board_thumbnails.h"
#include "audio/lrc_reader.h"
#include "ui/shell/command_map.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class AudioWindows;
class BoardArea;
class Dialogs;
class HintWindow;
class SidePanel;
class TileBoard;

// The music board or the lyrics board over the album: tiles and list rows from the table, the
// selection with its preview, the item hint, the drop that swaps two rows, and the board's
// commands — adding files, deleting, binding and unbinding. Binding changes both tables, so
// every change is announced for both boards to rebuild.
class AudioBoardController : public QObject {
    Q_OBJECT
public:
    AudioBoardController(AudioBoard board, AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, SidePanel& sidePanel,
                         QWidget* window);

    TileBoard* board() const { return m_board; }
    void setArea(BoardArea* area);
    void setWindows(AudioWindows& windows) { m_windows = &windows; }
    // The selected row (the list's in list view, the tile's in icon view); −1 for none.
    qsizetype selectedRow() const;

    // "添加音乐" / "添加歌词": asks for files when `files` is empty.
    void addFiles(const QStringList& files = {});
    void runCommand(AreaCommand command);

public Q_SLOTS:
    void rebuild();

Q_SIGNALS:
    // The music or lyrics table changed.
    void changed();

private:
    bool isMusic() const { return m_kind == AudioBoard::Music; }
    void deleteSelected();
    void deleteAll();
    void bind();
    void unbind();
    void unbindAllRows();
    void bindAutomatically();
    void editLyricStyle();
    bool confirm(const QString& caption, const QString& question, const QString& okCaption);
    void showSelectedPreview();
    QString itemHint(qsizetype row) const;

    AudioBoard m_kind;
    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    SidePanel& m_sidePanel;
    QWidget* m_window;
    TileBoard* m_board;
    HintWindow* m_itemHint;
    BoardArea* m_area = nullptr;
    AudioWindows* m_windows;
    LrcTimedLines m_timedLines;  // the lines the lyrics preview reads; emptied with the lyrics
};

}  // namespace xc::ui
