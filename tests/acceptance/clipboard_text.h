#pragma once

#include <QPoint>
#include <QString>

namespace velnorit::acceptance {

// What a text box shows, read as a person would: click into the box, select
// all, copy, and read the X clipboard. Works for read-only boxes too.
QString copyTextOfBox(QPoint inside);

} // namespace velnorit::acceptance
