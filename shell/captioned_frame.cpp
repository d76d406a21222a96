#include "shell/captioned_frame.h"

#include <QPainter>

namespace velnorit::shell {

namespace {

constexpr int kCaptionIndent = 6; // pixels from the left edge to the caption
constexpr int kCaptionGap = 2;    // pixels of background on each side of the caption

} // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QColor captionColour, QWidget* parent)
    : QGroupBox(caption, parent), captionColour_(captionColour) {}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor background = colours.color(QPalette::Window);
    painter.fillRect(rect(), background);

    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect border(0, lineY, width() - 2, height() - lineY - 2);
    painter.setPen(background.darker(150));
    painter.drawRect(border);
    painter.setPen(background.lighter(130));
    painter.drawRect(border.translated(1, 1));

    if (title().isEmpty()) return;
    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionGap, metrics.height());
    painter.fillRect(caption, background);
    painter.setPen(captionColour_);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace velnorit::shell
