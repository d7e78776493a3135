#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace xc {

// One label of the karaoke display. Its text is drawn from the label's top-left corner,
// left-aligned and clipped to the label's rectangle, on a transparent background; a highlight
// label narrower than its text shows only the sung part.
struct KaraokeLabel {
    QString text;
    QRect geometry;        // on the display panel (1920 × 1080 for the video)
    bool visible = false;
    int stacking = 0;      // labels with a larger number are drawn over the others
};

// The karaoke display of one moment: lines A and B in the lyric colour, each with a copy in the
// highlight colour whose width uncovers the sung part. A plain value: the frame compositor and the
// karaoke manager's preview paint it with paintKaraokeDisplay.
struct KaraokeDisplay {
    KaraokeLabel lineA;       // line A, lyric colour
    KaraokeLabel highlightA;  // line A, highlight colour
    KaraokeLabel lineB;
    KaraokeLabel highlightB;
    QFont font;               // pixel-sized, for the panel
    QColor lyricColour = Qt::white;
    QColor highlightColour = Qt::blue;

    void bringToFront(KaraokeLabel& label) { label.stacking = ++m_topStacking; }

private:
    int m_topStacking = 0;
};

// Paints the visible labels in stacking order onto a painter whose coordinates are the panel's.
void paintKaraokeDisplay(QPainter& painter, const KaraokeDisplay& display);

}  // namespace xc
