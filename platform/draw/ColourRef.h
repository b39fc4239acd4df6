#pragma once
// Colours as drawing calls take them: 0x00BBGGRR. Anything with bits in the
// high byte (such as -1, a failed translation) draws black.

#include <cstdint>

#include <QColor>

namespace platform::draw {

using ColourRef = std::int32_t;

inline constexpr ColourRef kInvalidColour = -1;

constexpr ColourRef RGB(int red, int green, int blue)
{
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor toQColor(ColourRef colour)
{
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0xFF000000u) != 0)
        return QColor(0, 0, 0);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

inline ColourRef fromQColor(const QColor& colour)
{
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace platform::draw
