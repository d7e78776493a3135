#include "audio/karaoke_style.h"

#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "core/keywords.h"

namespace xc {

namespace {

// The karaoke manager's preview panel, on which karaoke positions are laid out.
constexpr int editorWidth = 800;
constexpr int editorHeight = 450;
constexpr int editorLineALeft = 75;
constexpr int editorLineATop = editorHeight - editorHeight / 4;  // 338
constexpr int editorLineGap = 50;
constexpr int defaultFontSize = 25;

const QString measuringFace = QStringLiteral("微软雅黑");

}  // namespace

int karaokePointSize(int styleFontSize, int panelWidth) { return styleFontSize * panelWidth / editorWidth; }

KaraokeStyle karaokeStyleFor(const KaraokeStyleRecord& row, QSize panel)
{
    bool ok = false;
    int size = row.fontSize.toInt(&ok);
    if (!ok || size <= 0)
        size = defaultFontSize;
    const int points = karaokePointSize(size, panel.width());

    KaraokeStyle style;
    style.displayFont = albumFont(row.fontName, points,
                                  FontStyle{row.bold == kw::flagTrue, row.italic == kw::flagTrue, row.underline == kw::flagTrue});
    style.measuringFont = albumFont(measuringFace, points);
    style.lyricColour = colourFromValueText(row.colorValue, Qt::white);
    style.highlightColour = colourFromValueText(row.highlightColorValue, Qt::blue);
    style.script = row.script == kw::scriptTraditional ? ChineseScript::Traditional : ChineseScript::Simplified;
    style.lineA = QPoint(editorLineALeft * panel.width() / editorWidth, editorLineATop * panel.height() / editorHeight);
    style.lineBTop = (editorLineATop + editorLineGap) * panel.height() / editorHeight;
    return style;
}

}  // namespace xc
