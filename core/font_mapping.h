#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace xc {

// Album fields name fonts by the faces of a Chinese desktop ("黑体", "宋体", "微软雅黑"). Those
// faces are not installed here; every place that turns a stored face name into a font goes
// through this mapping so lyrics, karaoke and text effects look alike.
QString installedFontFamily(const QString& storedFace);
// The face names the font lists offer, "黑体" first.
const QStringList& storedFaceNames();

// Font sizes in the album are points on a 96 dpi desktop; painting uses pixel sizes so that the
// result does not depend on the screen the program runs on.
int pointsToPixels(int points);

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The font for a stored face name and point size.
QFont albumFont(const QString& storedFace, int points, FontStyle style = {});

}  // namespace xc
