#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace xc {

struct TextEffectRecord;

// Pixels a caption moves per frame, in the editor's preview and in the album alike.
inline constexpr int motionStep = 3;

// A row of the motion table (ListView_texiao_name).
struct MotionRow {
    QString name;
    QString keyword;
    int x = 0;  // x_zhi
    int y = 0;  // y_zhi
};

// The seven rows of the motion table for a preview surface of W × H.
QList<MotionRow> motionTable(QSize previewSurface);

// The 30 motion names of the text-effect editor, in list order.
const QStringList& motionNames();

// What a motion name selects: the keyword and the fixed coordinates stored in the effect.
struct MotionChoice {
    QString keyword;
    int x = 0;
    int y = 0;
};
// Every name moves the caption the way its words say. Names that describe one of the seven
// table paths select that row (with its x and y); the others select a path across the surface
// that enters at the named start side and leaves at the named end. Unknown names select nothing.
std::optional<MotionChoice> motionForName(const QString& name, QSize previewSurface);

// A caption on a surface: its place, its size (measured in its font) and whether it shows.
struct CaptionBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    int stepsTaken = 0;  // frames moved since the last start
};

// One frame of motion for one effect: start when its start time equals `clockText` while it
// waits, then move while it runs, then the stop test. The seven table paths stop once the
// caption's left passes the surface width or its top the surface height (so right-to-left and
// upward paths never stop); the other paths stop when the caption has left at their end.
void stepTextEffect(TextEffectRecord& effect, CaptionBox& caption, QSize surface, const QString& clockText);

}  // namespace xc
