#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <span>

namespace xc {

// The colour names that album fields store ("clWhite", "clBlue", …) with their numbers. A colour
// number is the decimal form of 0x00BBGGRR: red in the lowest byte, blue in the highest.
struct NamedColour {
    const char* name;
    quint32 value;
};

// In the order the colour pickers list them.
std::span<const NamedColour> namedColours();

std::optional<quint32> colourValueOfName(const QString& name);
// The name of a colour number, or the empty text when no name has that number.
QString colourNameOfValue(quint32 value);

QColor colourFromValue(quint32 value);
quint32 colourValueOf(const QColor& colour);
// A stored colour number as text; `fallback` when the text is not a number.
QColor colourFromValueText(const QString& decimal, const QColor& fallback = Qt::white);

}  // namespace xc
