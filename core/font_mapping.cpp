#include "core/font_mapping.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace xc {

namespace {

const QString sansFamily = QStringLiteral("Noto Sans CJK SC");
const QString serifFamily = QStringLiteral("Noto Serif CJK SC");

const QHash<QString, QString>& faceTable()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("黑体"), sansFamily},     {QStringLiteral("微软雅黑"), sansFamily},
        {QStringLiteral("幼圆"), sansFamily},     {QStringLiteral("宋体"), serifFamily},
        {QStringLiteral("新宋体"), serifFamily},  {QStringLiteral("仿宋"), serifFamily},
        {QStringLiteral("楷体"), serifFamily},    {QStringLiteral("隶书"), serifFamily},
    };
    return table;
}

}  // namespace

const QStringList& storedFaceNames()
{
    static const QStringList names{QStringLiteral("黑体"), QStringLiteral("微软雅黑"), QStringLiteral("幼圆"), QStringLiteral("宋体"),
                                   QStringLiteral("新宋体"), QStringLiteral("仿宋"), QStringLiteral("楷体"), QStringLiteral("隶书")};
    return names;
}

QString installedFontFamily(const QString& storedFace)
{
    return faceTable().value(storedFace, storedFace);
}

int pointsToPixels(int points)
{
    // Rounded to the nearest pixel, as the desktop converts a point size to a character height.
    const int sign = points < 0 ? -1 : 1;
    return sign * ((std::abs(points) * 96 + 36) / 72);
}

QFont albumFont(const QString& storedFace, int points, FontStyle style)
{
    QFont font;
    // Unknown faces fall back to the CJK sans face rather than to a Latin-only default.
    font.setFamilies({installedFontFamily(storedFace), sansFamily});
    font.setPixelSize(std::max(1, pointsToPixels(points)));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

}  // namespace xc
