#pragma once

#include "ui/shell/command_map.h"

#include <QObject>
#include <QString>

class QWidget;

namespace xc {
struct AlbumModel;
struct PhotoRecord;
class Workspace;
}  // namespace xc

namespace xc::ui {

class BoardArea;
class HintWindow;
class PhotoWorkflow;
class SidePanel;
class TileBoard;

// The photo board's behaviour over the album: tiles and list rows from the photo table, the
// selection and its side-panel preview, the item hint, the drop that exchanges two photos, and
// the board's commands.
class PhotoBoardController : public QObject {
    Q_OBJECT
public:
    PhotoBoardController(AlbumModel& model, const Workspace& workspace, PhotoWorkflow& workflow, SidePanel& sidePanel,
                         QWidget* window);

    TileBoard* board() const { return m_board; }
    HintWindow* itemHint() const { return m_itemHint; }
    void setArea(BoardArea* area);

    // The photo of the selection (tile view: the selected tile; list view: the selected row); −1
    // for none.
    qsizetype selectedRow() const;
    void runCommand(AreaCommand command);

public Q_SLOTS:
    // Tiles and list rows again from the photo table, in the view the album's settings name.
    void rebuild();

Q_SIGNALS:
    // "相片剪裁" from the board's menu: the main window's command decides what it opens.
    void croppingRequested();

private:
    void onTilesDropped(int dragged, int target);
    void onTileSelected(int index);
    void onHoveredTileChanged(int index);
    void showSelectedPreview();

    AlbumModel& m_model;
    const Workspace& m_workspace;
    PhotoWorkflow& m_workflow;
    SidePanel& m_sidePanel;
    TileBoard* m_board;
    HintWindow* m_itemHint;
    BoardArea* m_area = nullptr;
};

// The item hint of a photo tile: its name, type, size, orientation and number.
QString photoItemHint(const PhotoRecord& photo, qsizetype row);

}  // namespace xc::ui
