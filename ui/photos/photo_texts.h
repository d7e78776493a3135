#pragma once

#include "core/keywords.h"

#include <QString>

namespace xc::ui {

// How a photo's details read in its hint and in its template preview.
inline QString photoTypeText(const QString& ext)
{
    return ext.mid(ext.startsWith(QLatin1Char('.')) ? 1 : 0).toUpper();
}

inline QString photoOrientationText(const QString& orientation)
{
    return orientation == kw::portraitPhoto ? QStringLiteral("竖照相片") : QStringLiteral("横照相片");
}

}  // namespace xc::ui
