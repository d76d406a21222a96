#pragma once

#include "core/continued_fraction.h"

#include <QString>

namespace velnorit::shell {

// The texts of the two message boxes, their lines joined by CR LF.
QString authorMessageTitle();
QString authorMessageText();
QString descriptionMessageTitle();
QString descriptionMessageText();

// "Extras" > "Kettenbruch …": the lines that velnorit-liste --kettenbruch
// prints before the list.
QString continuedFractionMessageTitle();
QString continuedFractionMessageText(const TargetParameters& target);

} // namespace velnorit::shell
