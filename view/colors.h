#pragma once

#include <QColor>
#include <cstdint>

namespace velnorit::view {

// A colour value as the program computes with it: red + 256*green + 65536*blue.
using RgbValue = std::uint32_t;

constexpr RgbValue rgb(int red, int green, int blue) {
    return static_cast<RgbValue>(red) + 256u * static_cast<RgbValue>(green) + 65536u * static_cast<RgbValue>(blue);
}

inline QColor toQColor(RgbValue value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline RgbValue fromQColor(const QColor& color) { return rgb(color.red(), color.green(), color.blue()); }

} // namespace velnorit::view
