#include "audio/karaoke_display.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace xc {

void paintKaraokeDisplay(QPainter& painter, const KaraokeDisplay& display)
{
    struct Layer {
        const KaraokeLabel* label;
        QColor colour;
    };
    std::array<Layer, 4> layers{{{&display.lineA, display.lyricColour},
                                 {&display.highlightA, display.highlightColour},
                                 {&display.lineB, display.lyricColour},
                                 {&display.highlightB, display.highlightColour}}};
    std::stable_sort(layers.begin(), layers.end(),
                     [](const Layer& a, const Layer& b) { return a.label->stacking < b.label->stacking; });

    painter.save();
    painter.setFont(display.font);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Layer& layer : layers) {
        const KaraokeLabel& label = *layer.label;
        if (!label.visible || label.text.isEmpty() || label.geometry.width() <= 0 || label.geometry.height() <= 0)
            continue;
        painter.setClipRect(label.geometry);
        painter.setPen(layer.colour);
        // The text runs on past the label's width and is cut by the clip, never wrapped or elided.
        const QRect textBox(label.geometry.topLeft(), QSize(1 << 20, label.geometry.height()));
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label.text);
    }
    painter.restore();
}

}  // namespace xc
