#pragma once

#include "core/records.h"
#include "media/chinese_mapping.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>

namespace xc {

// A karaoke style row applied to a display panel. Positions and sizes are laid out on the karaoke
// manager's 800 × 450 preview and scaled to the panel: on the 1920 × 1080 video a size 25 becomes
// 60, line A sits at (180, 811) and line B at top 931.
struct KaraokeStyle {
    QFont displayFont;    // the row's face, size and bold/italic/underline, for the four labels
    QFont measuringFont;  // "微软雅黑" at the same size without styles: every width is measured in it
    QColor lyricColour;
    QColor highlightColour;
    ChineseScript script = ChineseScript::Simplified;
    QPoint lineA;         // top-left of line A (and of its highlight)
    int lineBTop = 0;     // line B's left is set when it is shown (right-aligned)
};

// The point size of a style's font size on a panel: size × panel width div 800.
int karaokePointSize(int styleFontSize, int panelWidth);

KaraokeStyle karaokeStyleFor(const KaraokeStyleRecord& row, QSize panel);

}  // namespace xc
