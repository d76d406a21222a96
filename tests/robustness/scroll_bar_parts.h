#pragma once

#include <QRect>
#include <QStyle>

class QScrollBar;

namespace velnorit::testing {

// Where a part of a scroll bar lies in its own pixels, as its style draws it
// at this moment: the two arrows, the track on either side of the thumb, and
// the thumb. Empty where the bar is too short to show that part.
QRect scrollBarPart(const QScrollBar& bar, QStyle::SubControl part);

} // namespace velnorit::testing
