#include "shell/picture_files.h"

#include "shell/safe_writer.h"
#include "view/graph_picture.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace velnorit::shell {

namespace {

constexpr double kPngDensity = 2;
constexpr int kPngQuality = 80; // Qt maps it to zlib level 1

// The worksheet is landscape: the panel is wider than high.
const QPageLayout kWorksheetPage(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());

int screenDpi(const view::FormControls& controls) { return controls.picContainer->logicalDpiY(); }

bool writePng(QIODevice& out, const view::FormControls& controls) {
    const double density = kPngDensity * controls.picContainer->devicePixelRatioF();
    const QSize panel = view::graphPanelSize(controls);
    QImage image(panel * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    {
        QPainter painter(&image);
        view::paintGraphPanel(painter, controls);
    }
    // Light compression: the default level takes several times as long for a
    // file a fifth smaller.
    return image.save(&out, "PNG", kPngQuality);
}

bool writeSvg(QIODevice& out, const view::FormControls& controls, const QString& title) {
    const QSize panel = view::graphPanelSize(controls);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(panel);
    svg.setViewBox(QRect(QPoint(0, 0), panel));
    svg.setResolution(screenDpi(controls));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    view::paintGraphPanel(painter, controls);
    return painter.end();
}

bool writePdf(QIODevice& out, const QPageLayout& page, const view::FormControls& controls, const QString& title) {
    QPdfWriter pdf(&out);
    pdf.setResolution(screenDpi(controls));
    pdf.setPageLayout(page);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Rationale Velnorit"));
    view::paintWorksheet(pdf, controls, title);
    return true;
}

// Writes the finished bytes; nothing reaches the file while they are made.
QString writeEncoded(const QString& path, bool made, const QByteArray& bytes) {
    return made ? writeFileSafely(path, bytes) : QStringLiteral("Das Bild ließ sich nicht erzeugen.");
}

} // namespace

PictureFormat pictureFormatOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return PictureFormat::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QString writePictureFile(const QString& path, const view::FormControls& controls, const QString& title) {
    return writePictureFile(path, pictureFormatOf(path), controls, title);
}

// Encoded in memory first: a write that fails (a full disk) costs only the
// buffer, and an earlier file of that name stays as it was.
QString writePictureFile(const QString& path, PictureFormat format, const view::FormControls& controls,
                         const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool made = false;
    switch (format) {
    case PictureFormat::Png:
        made = writePng(buffer, controls);
        break;
    case PictureFormat::Svg:
        made = writeSvg(buffer, controls, title);
        break;
    case PictureFormat::Pdf:
        made = writePdf(buffer, kWorksheetPage, controls, title);
        break;
    }
    return writeEncoded(path, made, bytes);
}

QString writeWorksheetFile(const QString& path, const QPageLayout& page, const view::FormControls& controls,
                           const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return writeEncoded(path, writePdf(buffer, page, controls, title), bytes);
}

void prepareWorksheetPrinter(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(kWorksheetPage);
}

void printWorksheet(QPrinter& printer, const view::FormControls& controls, const QString& title) {
    printer.setDocName(title);
    view::paintWorksheet(printer, controls, title);
}

} // namespace velnorit::shell
