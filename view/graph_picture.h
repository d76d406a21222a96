#pragma once

#include "view/form_controls.h"
#include "lesson/view_settings.h"

#include <QSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace velnorit::view {

using lesson::ViewSettings;

// What the class sees in the graph panel, for a file or the printer: the
// legend, the part of the graph inside the panel with everything drawn on
// it, and the four axis labels of the frames "x-Achse" and "y-Achse ". It is
// painted from the surfaces' retained drawings by the painting the screen
// uses, at the panel's size in its pixels.
QSize graphPanelSize(const FormControls& controls);
void paintGraphPanel(QPainter& painter, const FormControls& controls);

// The target of the picture shown, as the title of a worksheet:
// "Ziel = (√5 + 0) / 2 = 1.118033988749895".
QString worksheetTitle(const ViewSettings& drawn);

// A file name made from the parameters: "velnorit-W5-A0-N2-plus".
QString pictureBaseName(const ViewSettings& drawn);

// The worksheet on a paged device (a PDF file or a printer): page one the
// title line and the picture, then the record list as text in a fixed-width
// font, as many pages as it needs. The device's resolution should be that of
// the screen, so that fonts keep their size relative to the picture.
void paintWorksheet(QPagedPaintDevice& device, const FormControls& controls, const QString& title);

} // namespace velnorit::view
