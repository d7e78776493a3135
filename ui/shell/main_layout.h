#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace xc::ui {

// The three layouts of the main window, stored as their keywords in AlbumSettings::layout.
namespace layoutKeyword {
inline const QString start = QStringLiteral("kaishibuju");
inline const QString fullScreen = QStringLiteral("quanpingbuju");
inline const QString restored = QStringLiteral("heshibuju");
}  // namespace layoutKeyword

// Where the main window goes for `layout` on a screen with geometry `screen` (integer divisions;
// centred windows at (screen − window) / 2).
QRect mainWindowGeometry(const QString& layout, const QRect& screen);

// Where the pieces of the main window go for a window of `size`.
struct MainPieces {
    QRect titleBar;
    QList<QRect> commands;       // the left command column, top to bottom
    QRect contentArea;           // the board area with its command row
    QRect sidePanel;             // counts, settings, preview and help, right of the boards
    QList<QRect> bottomButtons;  // the bottom row, left to right
    QRect statusStrip;
    QList<QRect> titleButtons;   // start layout, restored, full screen, close
};

inline constexpr int commandWidth = 170;
inline constexpr int commandHeight = 25;
inline constexpr int sidePanelWidth = 195;  // leaves the start layout room for four tiles a row
inline constexpr int titleBarHeight = 48;

MainPieces layoutMainPieces(QSize window, int commandCount, int bottomButtonCount);

}  // namespace xc::ui
