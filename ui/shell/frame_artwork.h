#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;
class QRect;

namespace xc::ui {

// The pieces every window frame is drawn from, painted by code so they stay sharp at any device
// pixel ratio. Sizes are in device-independent pixels.
enum class FramePiece {
    TitleLeft,          // left end of a dialog title bar, 170 × 37
    TitleMiddle,        // middle piece, 50 × 37, stretched between the ends
    TitleRightNormal,   // right end with the close button, 42 × 37
    TitleRightHover,    // pointer over the close button
    TitleRightPressed,  // close button pressed
    BottomEdge,         // 50 × 5, stretched to the window width
};

enum class FrameLook { Normal, Highlighted };

QSize framePieceSize(FramePiece piece);
QPixmap framePiece(FramePiece piece, qreal devicePixelRatio, FrameLook look = FrameLook::Normal);

// The dialog frame: the title bar pieces across the top of `rect` and the bottom edge.
void paintDialogFrame(QPainter& painter, const QRect& rect, FramePiece rightPiece, qreal devicePixelRatio);

// The main window's title bar across `rect` (full width, 37 pixels high) and its status strip.
void paintMainTitleBar(QPainter& painter, const QRect& rect);
void paintStatusStrip(QPainter& painter, const QRect& rect);

// The small camera-and-film mark used as the window icon.
QPixmap applicationIcon(int size, qreal devicePixelRatio = 1.0);

inline constexpr int dialogTitleHeight = 37;
inline constexpr int dialogBottomHeight = 5;

}  // namespace xc::ui
