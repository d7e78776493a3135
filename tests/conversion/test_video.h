#pragma once

#include <QColor>
#include <QSize>
#include <QString>

namespace xc::test {

// A silent AVI of `frames` frames of `size`, written by the conversion library: every picture
// `colour`, the last one `lastColour`. Returns the path, or empty when it could not be written.
QString writeTestVideo(const QString& path, int frames, QSize size, QColor colour, QColor lastColour);

}  // namespace xc::test
