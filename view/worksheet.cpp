// The worksheet: the picture with its title line, then the record list.
#include "core/target.h"
#include "view/graph_picture.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <charconv>
#include <memory>

namespace velnorit::view {

namespace {

// The shortest text that reads back as the same double.
QString shortestDigits(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return QString::fromLatin1(digits, static_cast<qsizetype>(end - digits));
}

double targetOf(const ViewSettings& drawn) {
    auto state = std::make_unique<WindowState>();
    TargetControls read;
    read.plusSelected = drawn.plus;
    read.minusSelected = drawn.minus;
    read.wurzel = drawn.wurzel;
    read.abs = drawn.abs;
    read.nenner = drawn.nenner;
    computeTarget(*state, read);
    return valueOf(state->target);
}

QString signText(const ViewSettings& drawn) { return drawn.plus ? QStringLiteral("+") : QStringLiteral("-"); }

constexpr double kMarginPoints = 36;
constexpr double kTitlePoints = 14;
constexpr double kListPoints = 10;
constexpr double kSmallestListPoints = 7;

} // namespace

QString worksheetTitle(const ViewSettings& drawn) {
    return QStringLiteral("Ziel = (√%1 %2 %3) / %4 = %5")
        .arg(drawn.wurzel)
        .arg(signText(drawn))
        .arg(drawn.abs)
        .arg(drawn.nenner)
        .arg(shortestDigits(targetOf(drawn)));
}

QString pictureBaseName(const ViewSettings& drawn) {
    return QStringLiteral("velnorit-W%1-A%2-N%3-%4")
        .arg(drawn.wurzel)
        .arg(drawn.abs)
        .arg(drawn.nenner)
        .arg(drawn.plus ? QStringLiteral("plus") : QStringLiteral("minus"));
}

void paintWorksheet(QPagedPaintDevice& device, const FormControls& controls, const QString& title) {
    QPainter painter(&device);
    const double unitsPerPoint = device.logicalDpiY() / 72.0;
    const double margin = kMarginPoints * unitsPerPoint;
    const QRectF page = QRectF(0, 0, device.width(), device.height()).adjusted(margin, margin, -margin, -margin);

    // Page one: the title line, then the picture as large as the page allows.
    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPointSizeF(kTitlePoints);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const double titleHeight = painter.fontMetrics().lineSpacing() * 2.0;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop, title);

    const QSize panel = graphPanelSize(controls);
    const QRectF room = page.adjusted(0, titleHeight, 0, 0);
    const double scale = std::min(room.width() / panel.width(), room.height() / panel.height());
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    paintGraphPanel(painter, controls);
    painter.restore();

    // Then the list with its header, line by line in a fixed-width font.
    QStringList lines = QString::fromUtf8(controls.Text5->crLfText()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast(); // after the last line break
    // A smaller font, down to kSmallestListPoints, keeps a long list on one page.
    QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    listFont.setPointSizeF(kListPoints);
    painter.setFont(listFont);
    while (painter.fontMetrics().lineSpacing() * static_cast<double>(lines.size()) > page.height() &&
           listFont.pointSizeF() > kSmallestListPoints) {
        listFont.setPointSizeF(listFont.pointSizeF() - 0.25);
        painter.setFont(listFont);
    }
    const double lineHeight = painter.fontMetrics().lineSpacing();
    double y = page.bottom(); // the list starts on a page of its own
    for (const QString& line : lines) {
        if (y + lineHeight > page.bottom()) {
            device.newPage();
            y = page.top();
        }
        painter.drawText(QPointF(page.left(), y + painter.fontMetrics().ascent()), line);
        y += lineHeight;
    }
}

} // namespace velnorit::view
