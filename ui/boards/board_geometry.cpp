#include "ui/boards/board_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace xc::ui {

BoardLayout layOutTiles(int count, QSize tile, QSize outer)
{
    // The tile size is read from the settings' text, which may not be a positive number; one
    // pixel is the least a tile is, so the column count never divides by zero.
    tile = tile.expandedTo(QSize(1, 1));
    BoardLayout layout;
    const int innerWidth = outer.width() - board::capSize.width();
    layout.columns = innerWidth / (tile.width() + board::gap);
    int innerHeight = outer.height();
    layout.tileHomes.reserve(count);
    for (int i = 0; i < count; ++i) {
        // Without room for one column every tile stays in the first row.
        const int row = layout.columns > 0 ? i / layout.columns : 0;
        const int column = layout.columns > 0 ? i % layout.columns : i;
        layout.tileHomes.append(QPoint(column * (tile.width() + board::gap) + board::inset,
                                       row * (tile.height() + board::gap) + board::inset));
    }
    if (count > 0)
        innerHeight = std::max(innerHeight, layout.tileHomes.last().y() + tile.height() + board::inset);
    layout.inner = QSize(innerWidth, innerHeight);
    return layout;
}

ScrollBarLayout layOutScrollBar(int outerHeight, int innerHeight)
{
    ScrollBarLayout bar;
    bar.visible = innerHeight > outerHeight;
    bar.range = std::max(0, innerHeight - outerHeight);
    const int caps = 2 * board::capSize.height();
    bar.thumbHeight = std::max(board::capSize.height(), 2 * outerHeight - innerHeight);
    bar.travel = outerHeight - bar.thumbHeight - caps;
    // A panel at most 34 pixels taller than the board would leave the bar no room to move: the
    // thumb gives up that room so the bar moves pixel for pixel.
    if (bar.visible && bar.travel <= 0) {
        bar.thumbHeight = std::max(board::capSize.height(), outerHeight - caps - bar.range);
        bar.travel = outerHeight - bar.thumbHeight - caps;
    }
    bar.travel = std::max(0, bar.travel);
    return bar;
}

int innerTopForBar(const ScrollBarLayout& bar, int barTop)
{
    if (bar.travel <= 0 || bar.range <= 0)
        return 0;
    const int clamped = std::clamp(barTop, 0, bar.travel);
    // The free space below the bar, scaled to the range: 0 at the top, −range at the bottom.
    return int(qint64(bar.travel - clamped) * bar.range / bar.travel) - bar.range;
}

int barTopForInner(const ScrollBarLayout& bar, int innerTop)
{
    if (bar.travel <= 0 || bar.range <= 0)
        return 0;
    const int scrolled = std::clamp(-innerTop, 0, bar.range);
    return int(qint64(scrolled) * bar.travel / bar.range);
}

int dropTarget(const QList<QPoint>& homes, int dragged, QPoint draggedTopLeft)
{
    for (int i = 0; i < homes.size(); ++i) {
        if (i == dragged)
            continue;
        if (std::abs(draggedTopLeft.x() - homes[i].x()) < board::dropDistance
            && std::abs(draggedTopLeft.y() - homes[i].y()) < board::dropDistance)
            return i;
    }
    return -1;
}

QList<QPoint> placeholderPositions(QSize inner)
{
    QList<QPoint> positions;
    for (int c = 0; c < inner.width() / 205; ++c)
        for (int r = 0; r < inner.height() / 185; ++r)
            positions.append(QPoint(25 + 205 * c, 180 * r - 15));
    return positions;
}

}  // namespace xc::ui
