#pragma once

#include "ui/boards/board_geometry.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

namespace xc::ui {

// One tile of a board: the prepared thumbnail picture it shows, and an optional caption line.
struct TileItem {
    QString thumbnailPath;
    QString caption;
};

// A board of tiles painted in one widget, so thousands of tiles cost no more than the few on
// screen: hover and selection frames, dragging a tile onto another, its own three-piece scroll
// bar and the mouse wheel, and a placeholder picture while the board is empty. Thumbnails are
// read from their files once and kept until reloadThumbnails(); photos are never decoded here.
class TileBoard : public QWidget {
    Q_OBJECT
public:
    explicit TileBoard(QWidget* parent = nullptr);

    void setTileSize(QSize size);
    // Replaces the tiles and arranges them; the selection is cleared.
    void setTiles(const QList<TileItem>& tiles);
    int count() const { return int(m_tiles.size()); }
    // The thumbnail files changed (tiles exchanged, renumbered): read them again when shown.
    void reloadThumbnails();

    int selectedIndex() const { return m_selected; }
    int hoveredIndex() const { return m_hovered; }
    // A tile's home place in widget coordinates (the scrolling applied).
    QRect tileRect(int index) const;
    int tileAt(QPoint position) const;

    // The inner panel's top: 0 at the top, down to −range at the bottom.
    int scrollOffset() const { return m_innerTop; }
    void setScrollOffset(int innerTop);
    const ScrollBarLayout& scrollBar() const { return m_bar; }
    const BoardLayout& boardLayout() const { return m_layout; }

    // How many thumbnail files have been read so far (the board's only decoding).
    int thumbnailLoads() const { return m_thumbnailLoads; }

Q_SIGNALS:
    // A dragged tile was let go; `target` is the tile it landed on, or −1.
    void tilesDropped(int dragged, int target);
    void selectionChanged(int index);
    void tileDoubleClicked(int index);
    // The pointer came to rest on another tile; −1 when it left the tiles.
    void hoveredTileChanged(int index);
    void contextMenuRequested(int index, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Drag { None, Tile, ScrollBar };

    void arrange();
    void setHovered(int index);
    QRect scrollBarRect() const;
    int barTop() const;
    const QPixmap& thumbnail(int index);
    const QPixmap& placeholder();
    void paintTile(class QPainter& p, int index, const QRect& place);
    void paintScrollBar(class QPainter& p);
    bool followsPointer(QPoint position) const;

    QList<TileItem> m_tiles;
    QSize m_tileSize{180, 180};
    BoardLayout m_layout;
    ScrollBarLayout m_bar;
    int m_innerTop = 0;

    int m_selected = -1;
    int m_hovered = -1;
    Drag m_drag = Drag::None;
    int m_dragged = -1;
    bool m_following = false;   // the dragged tile follows the pointer until it leaves the board
    QPoint m_pressOffset;       // the press point inside the dragged tile, or inside the thumb
    QPoint m_draggedTopLeft;    // in inner-panel coordinates
    bool m_afterDoubleClick = false;

    QHash<QString, QPixmap> m_thumbnails;
    QPixmap m_placeholder;
    int m_thumbnailLoads = 0;
};

}  // namespace xc::ui
