#pragma once

#include "core/keywords.h"

#include <QString>

namespace xc::ui {

// How the details of photos, songs and lyrics read in their hints and windows.

// A file's type from its extension: "JPG", "MP3".
inline QString fileTypeText(const QString& ext)
{
    return ext.mid(ext.startsWith(QLatin1Char('.')) ? 1 : 0).toUpper();
}

inline QString photoOrientationText(const QString& orientation)
{
    return orientation == kw::portraitPhoto ? QStringLiteral("竖照相片") : QStringLiteral("横照相片");
}

}  // namespace xc::ui
