#include "ui/photos/photo_board_controller.h"

#include "core/album_model.h"
#include "core/board_views.h"
#include "core/keywords.h"
#include "core/workspace.h"
#include "photos/board_order.h"
#include "photos/board_thumbnails.h"
#include "photos/thumbnail_service.h"
#include "ui/boards/board_area.h"
#include "ui/boards/tile_board.h"
#include "ui/widgets/item_texts.h"
#include "ui/photos/photo_workflow.h"
#include "ui/shell/hint_window.h"
#include "ui/shell/side_panel.h"

#include <QFile>
#include <QTreeWidget>

namespace xc::ui {

namespace {

const QString previewCaption = QStringLiteral("        相片缩略图预览");

}  // namespace

QString photoItemHint(const PhotoRecord& photo, qsizetype row)
{
    return QStringLiteral("名称：%1\n类型：%2\n尺寸：%3*%4\n方向：%5\n序号：%6")
        .arg(photo.name, fileTypeText(photo.ext), photo.width, photo.height, photoOrientationText(photo.orientation))
        .arg(row + 1);
}

PhotoBoardController::PhotoBoardController(AlbumModel& model, const Workspace& workspace, PhotoWorkflow& workflow,
                                           SidePanel& sidePanel, QWidget* window)
    : QObject(window), m_model(model), m_workspace(workspace), m_workflow(workflow), m_sidePanel(sidePanel),
      m_board(new TileBoard(window)),
      m_itemHint(new HintWindow(HintWindow::Kind::Item, QStringLiteral("相片控件渐变提示信息"), window))
{
    connect(m_board, &TileBoard::tilesDropped, this, &PhotoBoardController::onTilesDropped);
    connect(m_board, &TileBoard::selectionChanged, this, &PhotoBoardController::onTileSelected);
    connect(m_board, &TileBoard::hoveredTileChanged, this, &PhotoBoardController::onHoveredTileChanged);
    connect(m_board, &TileBoard::tileDoubleClicked, this, [this](int index) {
        m_itemHint->closeNow();
        m_workflow.previewTemplate(index);
    });
    connect(m_board, &TileBoard::contextMenuRequested, this, [this](int, const QPoint& globalPos) {
        if (m_area)
            m_area->popUpContextMenu(globalPos);
    });
}

void PhotoBoardController::setArea(BoardArea* area)
{
    m_area = area;
    QTreeWidget* list = area->listView();
    connect(list, &QTreeWidget::itemSelectionChanged, this, &PhotoBoardController::showSelectedPreview);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { m_workflow.previewTemplate(selectedRow()); });
    rebuild();
}

qsizetype PhotoBoardController::selectedRow() const
{
    if (m_area && m_area->isListShown())
        return m_area->selectedListRow();
    bool ok = false;
    const qsizetype index = m_model.settings.selectedId.toLongLong(&ok);
    return ok && index >= 0 && index < m_model.photos.count() ? index : -1;
}

void PhotoBoardController::rebuild()
{
    QList<TileItem> tiles;
    tiles.reserve(m_model.photos.count());
    for (qsizetype row = 0; row < m_model.photos.count(); ++row)
        tiles.append(TileItem{boardThumbnailPath(m_workspace, m_model.settings, row + 1), {}});
    m_model.settings.photoCellCount = QString::number(tiles.size());
    m_model.settings.selectedId = kw::none;
    m_board->setTileSize(QSize(m_model.settings.thumbCellWidth.toInt(), m_model.settings.thumbCellHeight.toInt()));
    m_board->setTiles(tiles);
    if (m_area) {
        m_area->setListRows(photoListColumns(), photoListView(m_model));
        if (m_model.settings.boardView == kw::boardList)
            m_area->showList();
        else
            m_area->showTiles();
    }
    // The selection went with the arrangement, and so does its preview.
    m_sidePanel.clearPreview();
    m_model.settings.previewShown = QStringLiteral("False");
}

void PhotoBoardController::runCommand(AreaCommand command)
{
    m_itemHint->closeNow();
    switch (command) {
    case AreaCommand::Tiles:
        m_model.settings.boardView = kw::boardIcons;
        if (m_area)
            m_area->showTiles();
        break;
    case AreaCommand::List:
        m_model.settings.boardView = kw::boardList;
        if (m_area)
            m_area->showList();
        break;
    case AreaCommand::Delete:
        if (!m_model.photos.isEmpty())
            m_workflow.deletePhoto(selectedRow());
        break;
    case AreaCommand::DeleteAll:
        if (!m_model.photos.isEmpty())
            m_workflow.deleteAllPhotos();
        break;
    case AreaCommand::Preview:
        m_workflow.previewTemplate(selectedRow());
        break;
    case AreaCommand::Cropping:
        Q_EMIT croppingRequested();
        break;
    default:
        break;
    }
}

void PhotoBoardController::onTilesDropped(int dragged, int target)
{
    m_itemHint->closeNow();
    exchangePhotos(m_model, m_workspace, dragged, target < 0 ? dragged : target);
    m_board->reloadThumbnails();
    if (m_area)
        m_area->setListRows(photoListColumns(), photoListView(m_model));
}

void PhotoBoardController::onTileSelected(int index)
{
    m_itemHint->closeNow();
    m_model.settings.selectedId = index < 0 ? kw::none : QString::number(index);
    showSelectedPreview();
}

void PhotoBoardController::onHoveredTileChanged(int index)
{
    if (index < 0 || index >= m_model.photos.count()) {
        m_itemHint->closeNow();
        return;
    }
    m_itemHint->showHint(photoItemHint(m_model.photos[index], index));
}

void PhotoBoardController::showSelectedPreview()
{
    const qsizetype row = selectedRow();
    if (row < 0 || !QFile::exists(boardThumbnailPath(m_workspace, m_model.settings, row + 1)))
        return;
    const PhotoRecord& photo = m_model.photos[row];
    const qreal ratio = m_board->devicePixelRatioF();
    const QSize box = m_sidePanel.previewBox();
    const QSize fitted = fitInside(QSize(photo.width.toInt(), photo.height.toInt()), box);
    m_model.settings.previewShown = QStringLiteral("True");
    QPixmap pixmap = QPixmap::fromImage(thumbnailOrFilePicture(photo.path, fitted * ratio));
    pixmap.setDevicePixelRatio(ratio);
    m_sidePanel.setPreview(previewCaption, pixmap);
}

}  // namespace xc::ui
