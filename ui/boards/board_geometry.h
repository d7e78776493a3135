#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace xc::ui {

// The arithmetic of a tile board: tiles in a grid with 20 pixels between them and 10 around,
// an inner panel as tall as the tiles need, scrolled inside the visible (outer) panel by a
// three-piece scroll bar. Integer arithmetic throughout.
namespace board {
inline constexpr int gap = 20;
inline constexpr int inset = 10;
inline constexpr QSize capSize{14, 17};  // the scroll bar's end caps
inline constexpr int dropDistance = 50;  // a dropped tile hits another strictly closer than this
inline constexpr QSize placeholderSize{180, 180};
}  // namespace board

struct BoardLayout {
    int columns = 0;
    QSize inner;                   // the panel holding the tiles
    QList<QPoint> tileHomes;       // top-left of every tile in the inner panel
};

// Lays out `count` tiles of `tile` size in an outer panel of `outer` size.
BoardLayout layOutTiles(int count, QSize tile, QSize outer);

// The scroll bar: shown only when the inner panel is taller than the outer one.
struct ScrollBarLayout {
    bool visible = false;
    int thumbHeight = 0;  // 2 × outer − inner, at least the cap height
    int travel = 0;       // how far the whole bar can move down
    int range = 0;        // inner − outer: how far the inner panel can move up
};
ScrollBarLayout layOutScrollBar(int outerHeight, int innerHeight);

// The inner panel's top (0 … −range) for the bar moved `barTop` pixels down (0 … travel).
// A bar with no room to travel maps everything to the top; nothing divides by zero.
int innerTopForBar(const ScrollBarLayout& bar, int barTop);
// The bar's position for an inner panel scrolled to `innerTop`, the inverse of the above.
int barTopForInner(const ScrollBarLayout& bar, int innerTop);

// The tile a dragged tile lands on: the first other tile whose home differs from the dragged
// tile's position by strictly less than 50 pixels in both directions; −1 for none.
int dropTarget(const QList<QPoint>& homes, int dragged, QPoint draggedTopLeft);

// Where the empty board's placeholder pictures go in an inner panel of `inner` size.
QList<QPoint> placeholderPositions(QSize inner);

}  // namespace xc::ui
