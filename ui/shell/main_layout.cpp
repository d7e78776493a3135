#include "ui/shell/main_layout.h"

namespace xc::ui {

QRect mainWindowGeometry(const QString& layout, const QRect& screen)
{
    const int sw = screen.width();
    const int sh = screen.height();
    if (layout == layoutKeyword::fullScreen)
        return screen;
    QSize size;
    if (layout == layoutKeyword::restored) {
        size = QSize(sw - 100, sh - 100);
    } else {
        // Both sides follow the screen width, as the layout was designed for 4:3 and 16:9 alike.
        size = QSize(sw - sw / 8 - 2, sw / 2 - 5);
        if (sw == 1024 && sh == 768)
            size = QSize(sw - sw / 10 + 80, sw / 2 + 49);
        if (sw == 1920 && sh == 1080)
            size = QSize(sw - sw / 3, sh - sh / 3);
        if (sw > 1920 || sh > 1080)
            size = QSize(1280, 720);
    }
    const QPoint origin(screen.x() + (sw - size.width()) / 2, screen.y() + (sh - size.height()) / 2);
    return QRect(origin, size);
}

MainPieces layoutMainPieces(QSize window, int commandCount, int bottomButtonCount)
{
    const int w = window.width();
    const int h = window.height();
    MainPieces pieces;
    pieces.titleBar = QRect(0, 0, w, titleBarHeight);
    for (int i = 0; i < commandCount; ++i)
        pieces.commands.append(QRect(3, 60 + i * (commandHeight + 1), commandWidth, commandHeight));

    const int contentLeft = 3 + commandWidth + 2;
    const int contentHeight = h - 100;
    pieces.sidePanel = QRect(w - sidePanelWidth - 4, 60, sidePanelWidth, contentHeight);
    pieces.contentArea = QRect(contentLeft, 60, pieces.sidePanel.left() - 4 - contentLeft, contentHeight);

    pieces.statusStrip = QRect(0, h - 40, w, 40);
    const int buttonWidth = pieces.contentArea.width() / 8;
    for (int i = 0; i < bottomButtonCount; ++i)
        pieces.bottomButtons.append(QRect(contentLeft + i * (buttonWidth + 5), h - 33, buttonWidth, 27));

    // The close button's left edge lies 45 pixels inside the right edge; the others line up to its left.
    constexpr int buttonSize = 32;
    constexpr int titleButtonCount = 4;
    for (int i = 0; i < titleButtonCount; ++i) {
        const int left = w - 45 - (titleButtonCount - 1 - i) * (buttonSize + 2);
        pieces.titleButtons.append(QRect(left, (titleBarHeight - buttonSize) / 2, buttonSize, buttonSize));
    }
    return pieces;
}

}  // namespace xc::ui
