#pragma once

#include "view/colors.h"

#include <QFont>
#include <QPalette>

#include <optional>

class QWidget;

namespace velnorit::shell {

// "Times New Roman" (fontconfig gives its metric twin Liberation Serif where
// the original is not installed), Western, upright; bold is weight 700.
QFont timesNewRoman(double points, bool bold = false);

// The operating-system colours that some controls use, taken from the
// running desktop's palette.
QColor windowTextColour();   // window text
QColor activeBorderColour(); // active border

// Background and text colour of a control; an empty one keeps the default.
void setColours(QWidget* widget, std::optional<QColor> back, std::optional<QColor> fore = std::nullopt);

inline QColor colour(int red, int green, int blue) { return QColor(red, green, blue); }

} // namespace velnorit::shell
