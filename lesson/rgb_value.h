#pragma once

#include <cstdint>

namespace velnorit::lesson {

// A colour value as the program computes with it: red + 256*green + 65536*blue.
using RgbValue = std::uint32_t;

constexpr RgbValue rgb(int red, int green, int blue) {
    return static_cast<RgbValue>(red) + 256u * static_cast<RgbValue>(green) + 65536u * static_cast<RgbValue>(blue);
}

} // namespace velnorit::lesson
