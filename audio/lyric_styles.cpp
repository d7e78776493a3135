#include "audio/lyric_styles.h"

#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "core/keywords.h"

#include <QFontMetrics>
#include <QPainter>

namespace xc {

namespace {

constexpr int lyricSettingsPreviewWidth = 513;
constexpr int edgeMargin = 10;
constexpr int smallestSize = 10;
constexpr int largestSize = 40;
constexpr int defaultLyricSize = 10;

struct Placements {
    const QString& nearEdge;
    const QString& centre;
    const QString& farEdge;
};

// One coordinate of a label: 10 pixels from the near or far edge, or centred (truncated); any
// other keyword keeps the current coordinate.
int placed(const QString& keyword, Placements placements, int panelExtent, int labelExtent, int current)
{
    if (keyword == placements.nearEdge)
        return edgeMargin;
    if (keyword == placements.centre)
        return (panelExtent - labelExtent) / 2;
    if (keyword == placements.farEdge)
        return panelExtent - labelExtent - edgeMargin;
    return current;
}

}  // namespace

void applyDefaultLyricStyle(LyricsRecord& row)
{
    row.colorName = QStringLiteral("clWhite");
    row.colorValue = QString::number(*colourValueOfName(row.colorName));
    row.fontSize = QString::number(defaultLyricSize);
    row.fontName = QStringLiteral("黑体");
    row.bold = kw::bold;
    row.italic = kw::none;
    row.underline = kw::none;
    row.hAlign = kw::alignCentre;
    row.vAlign = kw::alignBottom;
}

void applyDefaultKaraokeStyle(KaraokeStyleRecord& row)
{
    row.colorName = QStringLiteral("clWhite");
    row.highlightColorName = QStringLiteral("clBlue");
    row.fontName = QStringLiteral("黑体");
    row.fontSize = QStringLiteral("25");
    row.bold = kw::flagTrue;
    row.italic = kw::flagFalse;
    row.underline = kw::flagFalse;
    row.colorValue = QString::number(*colourValueOfName(row.colorName));
    row.highlightColorValue = QString::number(*colourValueOfName(row.highlightColorName));
    row.script = kw::scriptSimplified;
}

QList<int> styleFontSizes()
{
    QList<int> sizes;
    for (int size = smallestSize; size <= largestSize; ++size)
        sizes << size;
    return sizes;
}

int lrcPointSize(const LyricsRecord& row, int panelWidth)
{
    bool ok = false;
    int size = row.fontSize.toInt(&ok);
    if (!ok || size <= 0)
        size = defaultLyricSize;
    return size * panelWidth / lyricSettingsPreviewWidth;
}

QFont lrcFont(const LyricsRecord& row, int panelWidth)
{
    return albumFont(row.fontName, lrcPointSize(row, panelWidth),
                     FontStyle{row.bold == kw::bold, row.italic == kw::italic, row.underline == kw::underline});
}

QColor lrcColour(const LyricsRecord& row) { return colourFromValueText(row.colorValue, Qt::white); }

QPoint lrcLabelPosition(const LyricsRecord& row, QSize labelSize, QSize panel, QPoint previous)
{
    return QPoint(placed(row.hAlign, {kw::alignLeft, kw::alignCentre, kw::alignRight}, panel.width(), labelSize.width(), previous.x()),
                  placed(row.vAlign, {kw::alignTop, kw::alignMiddle, kw::alignBottom}, panel.height(), labelSize.height(), previous.y()));
}

LrcLabel applyLrcStyle(const LyricsRecord& row, const QString& text, QSize panel, QPoint previous)
{
    LrcLabel label;
    label.text = text;
    label.font = lrcFont(row, panel.width());
    label.colour = lrcColour(row);
    const QFontMetrics metrics(label.font);
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    label.geometry = QRect(lrcLabelPosition(row, size, panel, previous), size);
    return label;
}

void paintLrcLabel(QPainter& painter, const LrcLabel& label)
{
    if (label.text.isEmpty())
        return;
    painter.save();
    painter.setFont(label.font);
    painter.setPen(label.colour);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(label.geometry, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, label.text);
    painter.restore();
}

}  // namespace xc
