#include "core/colour_names.h"

#include <array>

namespace xc {

namespace {

constexpr std::array<NamedColour, 20> colours{{
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},   {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},      {"clPurple", 0x800080},   {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},    {"clRed", 0x0000FF},      {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF},  {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},  {"clMedGray", 0xA4A0A0},
}};

}  // namespace

std::span<const NamedColour> namedColours() { return colours; }

std::optional<quint32> colourValueOfName(const QString& name)
{
    for (const NamedColour& colour : colours) {
        if (name == QLatin1String(colour.name))
            return colour.value;
    }
    return std::nullopt;
}

QString colourNameOfValue(quint32 value)
{
    for (const NamedColour& colour : colours) {
        if (colour.value == value)
            return QString::fromLatin1(colour.name);
    }
    return {};
}

QColor colourFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colourValueOf(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QColor colourFromValueText(const QString& decimal, const QColor& fallback)
{
    bool ok = false;
    const qulonglong value = decimal.trimmed().toULongLong(&ok);
    return ok ? colourFromValue(quint32(value & 0xFFFFFF)) : fallback;
}

}  // namespace xc
