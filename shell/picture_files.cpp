#include "shell/picture_files.h"

#include "view/graph_picture.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace velnorit::shell {

namespace {

constexpr double kPngDensity = 2;
constexpr int kPngQuality = 80; // Qt maps it to zlib level 1

// The worksheet is landscape: the panel is wider than high.
const QPageLayout kWorksheetPage(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());

int screenDpi(const view::FormControls& controls) { return controls.picContainer->logicalDpiY(); }

bool writePng(QSaveFile& file, const view::FormControls& controls) {
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
    return image.save(&file, "PNG", kPngQuality);
}

bool writeSvg(QSaveFile& file, const view::FormControls& controls, const QString& title) {
    const QSize panel = view::graphPanelSize(controls);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(panel);
    svg.setViewBox(QRect(QPoint(0, 0), panel));
    svg.setResolution(screenDpi(controls));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    view::paintGraphPanel(painter, controls);
    return painter.end();
}

bool writePdf(QSaveFile& file, const view::FormControls& controls, const QString& title) {
    QPdfWriter pdf(&file);
    pdf.setResolution(screenDpi(controls));
    pdf.setPageLayout(kWorksheetPage);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Rationale Velnorit"));
    view::paintWorksheet(pdf, controls, title);
    return true;
}

} // namespace

PictureFormat pictureFormatOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return PictureFormat::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return PictureFormat::Pdf;
    return PictureFormat::Png;
}

QString writePictureFile(const QString& path, const view::FormControls& controls, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    bool written = false;
    switch (pictureFormatOf(path)) {
    case PictureFormat::Png:
        written = writePng(file, controls);
        break;
    case PictureFormat::Svg:
        written = writeSvg(file, controls, title);
        break;
    case PictureFormat::Pdf:
        written = writePdf(file, controls, title);
        break;
    }
    // A failed write leaves the temporary file to be removed, and any
    // earlier file of that name as it was.
    if (!written || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
        file.cancelWriting();
        return reason.isEmpty() ? QStringLiteral("Das Bild ließ sich nicht erzeugen.") : reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
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
