#pragma once

#include "lesson/rgb_value.h"

#include <QColor>

namespace velnorit::view {

using lesson::RgbValue;
using lesson::rgb;

inline QColor toQColor(RgbValue value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline RgbValue fromQColor(const QColor& color) { return rgb(color.red(), color.green(), color.blue()); }

} // namespace velnorit::view
