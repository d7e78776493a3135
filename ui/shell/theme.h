#pragma once

#include <QColor>
#include <QFont>

class QApplication;
class QPainter;
class QRect;

namespace xc::ui {

// The colours and fonts of the program's one look: calm dark surfaces that let photos stand
// out, one warm accent for what is active.
namespace theme {
inline const QColor boardBackground{79, 79, 79};    // the photo, music and lyrics boards
inline const QColor windowBackground{44, 46, 51};   // window bodies
inline const QColor chromeDark{30, 32, 36};         // title bars and frame edges
inline const QColor chromeLight{58, 61, 68};        // raised pieces
inline const QColor panelBackground{52, 55, 61};    // side panel, list backgrounds
inline const QColor text{232, 232, 228};
inline const QColor textMuted{168, 170, 174};
inline const QColor accent{232, 168, 74};           // selection, pressed buttons, progress
inline const QColor accentSoft{232, 168, 74, 60};
inline const QColor hover{160, 186, 92};            // hover frame
inline const QColor hintBackground{250, 246, 232};
inline const QColor hintText{40, 40, 40};
inline const QColor hintBorder{190, 170, 120};
}  // namespace theme

// The text font in `pixelSize` pixels (Noto Sans CJK where installed).
QFont uiFont(int pixelSize = 13, bool bold = false);

// The calm dark stage the lyric previews show their lines on.
void paintLyricStage(QPainter& painter, const QRect& area);

// Sets the application's palette, font and style sheet.
void applyTheme(QApplication& app);

}  // namespace xc::ui
