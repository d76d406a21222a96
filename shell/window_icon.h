#pragma once

#include <QIcon>

namespace velnorit::shell {

// The program icon in 16 and 32 pixels: bars narrowing towards a line.
QIcon programIcon();

} // namespace velnorit::shell
