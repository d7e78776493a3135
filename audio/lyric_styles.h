#pragma once

#include "core/records.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace xc {

// The style a lyrics row gets at import: white "黑体" size 10, bold, centred, at the bottom.
void applyDefaultLyricStyle(LyricsRecord& row);

// The style a karaoke row gets at import: white text, blue highlight, "黑体" size 25, bold,
// simplified characters.
void applyDefaultKaraokeStyle(KaraokeStyleRecord& row);

// The font sizes both style windows offer.
QList<int> styleFontSizes();  // 10 … 40

// The point size of a lyric style on a panel: size × width div 513 (the lyric settings preview is
// 513 pixels wide), so the style looks the same at any panel width: 10 becomes 37 on the
// 1920-pixel video and 13 on the 679-pixel preview.
int lrcPointSize(const LyricsRecord& row, int panelWidth);

// The lyric label's font and colour for a panel width.
QFont lrcFont(const LyricsRecord& row, int panelWidth);
QColor lrcColour(const LyricsRecord& row);

// The top-left corner of a label of `labelSize` on a panel: 10 pixels from the chosen edge, or
// centred. A placement outside the value sets keeps that coordinate of `previous`.
QPoint lrcLabelPosition(const LyricsRecord& row, QSize labelSize, QSize panel, QPoint previous);

// Apply LRC style: a lyric label sized to its text, with its font, colour and place on the panel.
struct LrcLabel {
    QString text;
    QFont font;
    QColor colour;
    QRect geometry;
};
LrcLabel applyLrcStyle(const LyricsRecord& row, const QString& text, QSize panel, QPoint previous = {});

// Draws the label's text in its rectangle, on a transparent background.
void paintLrcLabel(QPainter& painter, const LrcLabel& label);

}  // namespace xc
