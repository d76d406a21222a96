#pragma once

#include "view/form_controls.h"

#include <QString>

class QPageLayout;
class QPrinter;

namespace velnorit::shell {

// The kinds of file "Bild speichern …" writes, told by the file's suffix.
enum class PictureFormat { Png, Svg, Pdf };
PictureFormat pictureFormatOf(const QString& path); // PNG unless .svg or .pdf

// Writes the graph panel as PNG (at twice the screen's pixel density), SVG
// or PDF worksheet. The file is written under a temporary name and renamed
// when complete, so that it is either whole or not there at all. Returns an
// empty text on success, otherwise the reason.
QString writePictureFile(const QString& path, PictureFormat format, const view::FormControls& controls,
                         const QString& title);
QString writePictureFile(const QString& path, const view::FormControls& controls, const QString& title); // by suffix

// The worksheet as a PDF file on the given page, for printing to a file.
QString writeWorksheetFile(const QString& path, const QPageLayout& page, const view::FormControls& controls,
                           const QString& title);

// Sets a printer to the worksheet's page (A4 landscape, the whole sheet,
// as the PDF file has it), before the print dialog lets the user change it.
void prepareWorksheetPrinter(QPrinter& printer);

// The worksheet on a printer, as in the PDF file.
void printWorksheet(QPrinter& printer, const view::FormControls& controls, const QString& title);

} // namespace velnorit::shell
