#pragma once

#include <QString>
#include <QWidget>

namespace velnorit::tools {

// Tells a screen reader what the keyboard cursor reads, in one place: the
// graph, which has the keyboard, takes the readout as its description (Qt
// reports the change), and the readout field reports its new text.
void announceReadout(QWidget& graph, QWidget& field, const QString& before, const QString& now);

} // namespace velnorit::tools
