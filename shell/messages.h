#pragma once

#include <QString>

namespace velnorit::shell {

// The texts of the two message boxes, their lines joined by CR LF.
QString authorMessageTitle();
QString authorMessageText();
QString descriptionMessageTitle();
QString descriptionMessageText();

} // namespace velnorit::shell
