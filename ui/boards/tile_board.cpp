#include "ui/boards/tile_board.h"

#include "ui/shell/theme.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>

namespace xc::ui {

namespace {

// Above this line the board does not take a dragged tile: the pointer has gone for the commands.
constexpr int topMargin = 22;
constexpr int wheelStep = 60;

QPen dottedPen(const QColor& colour)
{
    QPen pen(colour, 2);
    pen.setStyle(Qt::DotLine);
    return pen;
}

// The empty board's picture: a soft frame holding a photo glyph, drawn for the screen's density.
QPixmap drawPlaceholder(qreal ratio)
{
    QPixmap pixmap(board::placeholderSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Inset enough that the first row, which starts 15 pixels above the board, shows its frame whole.
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(board::placeholderSize)).adjusted(14, 20, -14, -8);
    QPen dashed(QColor(255, 255, 255, 46), 2);
    dashed.setStyle(Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(QColor(255, 255, 255, 10));
    p.drawRoundedRect(frame, 12, 12);
    const QRectF picture(frame.center().x() - 34, frame.center().y() - 26, 68, 52);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(picture, 6, 6);
    QPainterPath hills;
    hills.moveTo(picture.left() + 6, picture.bottom() - 8);
    hills.lineTo(picture.left() + 24, picture.top() + 24);
    hills.lineTo(picture.left() + 38, picture.bottom() - 18);
    hills.lineTo(picture.left() + 46, picture.top() + 30);
    hills.lineTo(picture.right() - 6, picture.bottom() - 8);
    p.drawPath(hills);
    p.drawEllipse(QPointF(picture.right() - 16, picture.top() + 14), 5, 5);
    return pixmap;
}

}  // namespace

TileBoard::TileBoard(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void TileBoard::setTileSize(QSize size)
{
    m_tileSize = size.expandedTo(QSize(1, 1));  // as the layout takes it
    arrange();
}

void TileBoard::setTiles(const QList<TileItem>& tiles)
{
    m_tiles = tiles;
    m_thumbnails.clear();
    m_innerTop = 0;
    m_selected = -1;
    m_drag = Drag::None;
    m_dragged = -1;
    setHovered(-1);
    arrange();
}

void TileBoard::reloadThumbnails()
{
    m_thumbnails.clear();
    update();
}

void TileBoard::arrange()
{
    m_layout = layOutTiles(count(), m_tileSize, size());
    m_bar = layOutScrollBar(height(), m_layout.inner.height());
    m_innerTop = std::clamp(m_innerTop, -m_bar.range, 0);
    update();
}

void TileBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

QRect TileBoard::tileRect(int index) const
{
    if (index < 0 || index >= m_layout.tileHomes.size())
        return {};
    return QRect(m_layout.tileHomes[index] + QPoint(0, m_innerTop), m_tileSize);
}

int TileBoard::tileAt(QPoint position) const
{
    if (m_layout.columns <= 0 || scrollBarRect().contains(position))
        return -1;
    const QPoint inner = position - QPoint(0, m_innerTop);
    const int column = (inner.x() - board::inset) / (m_tileSize.width() + board::gap);
    const int row = (inner.y() - board::inset) / (m_tileSize.height() + board::gap);
    if (inner.x() < board::inset || inner.y() < board::inset || column >= m_layout.columns)
        return -1;
    const int index = row * m_layout.columns + column;
    return index < count() && tileRect(index).contains(position) ? index : -1;
}

void TileBoard::setScrollOffset(int innerTop)
{
    innerTop = std::clamp(innerTop, -m_bar.range, 0);
    if (innerTop == m_innerTop)
        return;
    m_innerTop = innerTop;
    update();
}

QRect TileBoard::scrollBarRect() const
{
    if (!m_bar.visible)
        return {};
    return QRect(width() - board::capSize.width(), 0, board::capSize.width(), height());
}

int TileBoard::barTop() const
{
    return barTopForInner(m_bar, m_innerTop);
}

const QPixmap& TileBoard::thumbnail(int index)
{
    const QString& path = m_tiles[index].thumbnailPath;
    auto found = m_thumbnails.find(path);
    if (found == m_thumbnails.end()) {
        ++m_thumbnailLoads;
        QImageReader reader(path);
        found = m_thumbnails.insert(path, QPixmap::fromImage(reader.read()));
    }
    return *found;
}

const QPixmap& TileBoard::placeholder()
{
    if (m_placeholder.isNull() || m_placeholder.devicePixelRatio() != devicePixelRatioF())
        m_placeholder = drawPlaceholder(devicePixelRatioF());
    return m_placeholder;
}

void TileBoard::paintTile(QPainter& p, int index, const QRect& place)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawRoundedRect(QRectF(place).adjusted(2, 2, -2, -2), 8, 8);
    const QPixmap& picture = thumbnail(index);
    if (!picture.isNull()) {
        // Thumbnails are made for the tile; a high-density screen scales them smoothly.
        const QSize shown = picture.size().scaled(place.size() - QSize(8, 8), Qt::KeepAspectRatio)
                                .boundedTo(picture.size() / picture.devicePixelRatio());
        const QRect target(place.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
        p.drawPixmap(target, picture);
    }
    if (!m_tiles[index].caption.isEmpty()) {
        p.setPen(theme::text);
        p.setFont(uiFont(12));
        const QRect line(place.left() + 6, place.bottom() - 24, place.width() - 12, 20);
        p.drawText(line, Qt::AlignCenter, p.fontMetrics().elidedText(m_tiles[index].caption, Qt::ElideMiddle, line.width()));
    }
}

void TileBoard::paintScrollBar(QPainter& p)
{
    const QRect area = scrollBarRect();
    p.fillRect(area, theme::boardBackground.darker(115));
    const int top = barTop();
    const QRect topCap(area.left(), top, area.width(), board::capSize.height());
    const QRect thumb(area.left(), topCap.bottom() + 1, area.width(), m_bar.thumbHeight);
    const QRect bottomCap(area.left(), thumb.bottom() + 1, area.width(), board::capSize.height());
    p.setPen(Qt::NoPen);
    p.setBrush(theme::chromeLight.lighter(m_drag == Drag::ScrollBar ? 150 : 125));
    p.drawRoundedRect(QRectF(topCap.united(bottomCap)).adjusted(3, 2, -3, -2), 4, 4);
    // The caps carry small arrows so the three pieces read as one bar with ends.
    p.setBrush(theme::text);
    const auto arrow = [&p](QPointF tip, qreal dy) {
        p.drawPolygon(QPolygonF{tip, tip + QPointF(-3, -dy), tip + QPointF(3, -dy)});
    };
    arrow(QPointF(topCap.center().x() + 0.5, topCap.top() + 6), -4);
    arrow(QPointF(bottomCap.center().x() + 0.5, bottomCap.bottom() - 5), 4);
}

void TileBoard::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(event->rect(), theme::boardBackground);
    if (m_tiles.isEmpty()) {
        for (const QPoint& at : placeholderPositions(m_layout.inner))
            p.drawPixmap(at, placeholder());
        return;
    }
    const QRect visible = event->rect();
    // Only the rows on screen are painted, so a board of thousands costs what a screenful costs.
    const int rowHeight = m_tileSize.height() + board::gap;
    const int columns = std::max(1, m_layout.columns);
    const int firstRow = std::max(0, (visible.top() - m_innerTop - board::inset) / rowHeight);
    const int lastRow = (visible.bottom() - m_innerTop) / rowHeight;
    const int first = m_layout.columns > 0 ? firstRow * columns : 0;
    const int last = m_layout.columns > 0 ? std::min(count() - 1, (lastRow + 1) * columns - 1) : count() - 1;
    for (int i = first; i <= last; ++i) {
        if (m_drag == Drag::Tile && i == m_dragged)
            continue;
        const QRect place = tileRect(i);
        if (place.intersects(visible))
            paintTile(p, i, place);
    }
    if (m_selected >= 0) {
        p.setPen(dottedPen(theme::accent));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(tileRect(m_selected)).adjusted(1, 1, -1, -1), 8, 8);
    }
    if (m_hovered >= 0 && m_drag != Drag::Tile && m_hovered != m_selected) {
        p.setPen(dottedPen(theme::hover));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(tileRect(m_hovered)).adjusted(1, 1, -1, -1), 8, 8);
    }
    if (m_drag == Drag::Tile && m_dragged >= 0) {
        // The dragged tile floats above the others with a soft shadow.
        const QRect place(m_draggedTopLeft + QPoint(0, m_innerTop), m_tileSize);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(place).translated(4, 6), 10, 10);
        p.setBrush(theme::boardBackground);
        p.drawRoundedRect(QRectF(place).adjusted(2, 2, -2, -2), 8, 8);
        paintTile(p, m_dragged, place);
        p.setPen(dottedPen(theme::accent));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(place).adjusted(1, 1, -1, -1), 8, 8);
    }
    if (m_bar.visible)
        paintScrollBar(p);
}

void TileBoard::setHovered(int index)
{
    if (index == m_hovered)
        return;
    const QRect before = tileRect(m_hovered);
    m_hovered = index;
    update(before.adjusted(-2, -2, 2, 2));
    update(tileRect(m_hovered).adjusted(-2, -2, 2, 2));
    Q_EMIT hoveredTileChanged(index);
}

bool TileBoard::followsPointer(QPoint position) const
{
    return position.x() >= 0 && position.x() <= width() && position.y() <= height() && position.y() >= topMargin;
}

void TileBoard::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && scrollBarRect().contains(at)) {
        m_drag = Drag::ScrollBar;
        m_pressOffset = QPoint(0, at.y() - barTop());
        update(scrollBarRect());
        return;
    }
    if (m_afterDoubleClick)
        return;
    const int index = tileAt(at);
    if (index < 0)
        return;
    if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Tile;
        m_dragged = index;
        m_following = true;
        m_pressOffset = at - tileRect(index).topLeft();
        m_draggedTopLeft = m_layout.tileHomes[index];
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        m_selected = index;
        update();
        Q_EMIT selectionChanged(index);
    }
}

void TileBoard::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_drag == Drag::ScrollBar) {
        setScrollOffset(innerTopForBar(m_bar, at.y() - m_pressOffset.y()));
        return;
    }
    if (m_drag == Drag::Tile) {
        if (m_following && !followsPointer(at))
            m_following = false;
        if (m_following) {
            m_draggedTopLeft = at - m_pressOffset - QPoint(0, m_innerTop);
            update();
        }
        return;
    }
    const int index = tileAt(at);
    if (index >= 0)
        m_afterDoubleClick = false;
    setHovered(index);
}

void TileBoard::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_drag == Drag::ScrollBar) {
        m_drag = Drag::None;
        update(scrollBarRect());
        return;
    }
    if (event->button() == Qt::RightButton && !m_afterDoubleClick) {
        const int index = tileAt(at);
        if (index >= 0) {
            m_selected = index;
            update();
            Q_EMIT selectionChanged(index);
        }
        Q_EMIT contextMenuRequested(index, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton || m_drag != Drag::Tile)
        return;
    const int dragged = m_dragged;
    const QPoint landed = m_draggedTopLeft;
    m_drag = Drag::None;
    m_dragged = -1;
    update();
    // A press and release in place is a click: there is nothing to drop.
    if (landed == m_layout.tileHomes[dragged])
        return;
    Q_EMIT tilesDropped(dragged, dropTarget(m_layout.tileHomes, dragged, landed));
}

void TileBoard::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = tileAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || index < 0)
        return;
    m_drag = Drag::None;
    m_dragged = -1;
    // Presses are ignored until the pointer moves over a tile again, so the release that ends a
    // double click cannot start a drag behind the window it opens.
    m_afterDoubleClick = true;
    Q_EMIT tileDoubleClicked(index);
}

void TileBoard::wheelEvent(QWheelEvent* event)
{
    // One notch of a wheel moves 60 pixels; touchpads send smaller steps.
    setScrollOffset(m_innerTop + event->angleDelta().y() * wheelStep / 120);
    event->accept();
}

void TileBoard::leaveEvent(QEvent* event)
{
    if (m_drag == Drag::None)
        setHovered(-1);
    QWidget::leaveEvent(event);
}

}  // namespace xc::ui
