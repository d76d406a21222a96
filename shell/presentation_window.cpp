#include "shell/presentation_window.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velnorit::shell {

namespace {

// The readout stands at the right edge, from this share of the height
// down: below the row of denominators (which the view keeps near the top)
// and above the rows of record dots near the bottom, beside the cursor's
// bar in the middle.
constexpr double kReadoutTopShare = 0.35;
// The labels' distance from the window's edges, in pixels.
constexpr int kEdgeMargin = 12;
// On large screens the type grows with the height: the readout's capitals
// a 24th of it, the target's a 36th.
constexpr int kReadoutHeightShare = 24;
constexpr int kTargetHeightShare = 36;

} // namespace

int pixelSizeForCapHeight(const QFont& font, int capHeight) {
    QFont sized = font;
    int pixels = capHeight;
    for (;; ++pixels) {
        sized.setPixelSize(pixels);
        if (QFontMetricsF(sized).capHeight() >= capHeight || pixels >= 8 * capHeight) return pixels;
    }
}

PresentationWindow::PresentationWindow(view::DrawingSurface& graph, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), view_(new view::PresentationView(graph, this)),
      target_(new view::LargeLabel(this)), readout_(new view::LargeLabel(this)), readoutFont_(font()) {
    setWindowTitle(QStringLiteral("Rationale Velnorit \u2013 Präsentation"));
    setFocusPolicy(Qt::StrongFocus);
    view_->setAccessibleName(QStringLiteral("Präsentation des Graphen"));
    view_->setAccessibleDescription(
        QStringLiteral("Der Graph vergrößert für den Beamer, mit Ziel und Ablesung in großer Schrift. Die "
                       "Pfeiltasten, Pos1 und Ende bewegen den Tastaturzeiger, Strg++ und Strg+- ändern die "
                       "Vergrößerung, Escape oder F11 führt zum Fenster zurück. Zeichnen wie im Graphen."));
    // Their names are their texts, which a screen reader reads and hears change.
    target_->setAccessibleDescription(QStringLiteral("Ziel als Formel und Wert"));
    readout_->setAccessibleDescription(QStringLiteral("Bruch am Tastaturzeiger oder am Mauszeiger"));
    // The target in the colours of the legend, which prints it as well.
    target_->setBackground(QColor(192, 192, 192));
    readout_->hide();
}

void PresentationWindow::showReadout(const QString& text, const QColor& side) {
    if (text.isEmpty()) {
        readout_->hide();
        return;
    }
    readout_->setBackground(side);
    if (readout_->text() != text) {
        readout_->setText(text);
        readout_->adjustSize();
    }
    readout_->show();
    placeLabels();
}

void PresentationWindow::showTarget(const QString& title) {
    if (target_->text() == title) return;
    target_->setText(title);
    target_->adjustSize();
    placeLabels();
}

void PresentationWindow::setReadoutFont(const QFont& font) {
    readoutFont_ = font;
    sizeType();
}

void PresentationWindow::setCursorKeys(std::function<bool(int, Qt::KeyboardModifiers)> keys) {
    cursorKeys_ = std::move(keys);
}

void PresentationWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        emit leaveAsked();
        return;
    }
    // Strg++ with or without Umschalt, which some keyboards need for "+".
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal) {
            view_->magnify();
            return;
        }
        if (event->key() == Qt::Key_Minus) {
            view_->reduce();
            return;
        }
    }
    if (cursorKeys_ && cursorKeys_(event->key(), event->modifiers())) return;
    QWidget::keyPressEvent(event);
}

void PresentationWindow::resizeEvent(QResizeEvent* event) {
    view_->setGeometry(rect());
    sizeType();
    QWidget::resizeEvent(event);
}

// Closing it from outside (the window manager's close button) leaves the
// presentation as Escape does; the window itself stays for the next time.
void PresentationWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit leaveAsked();
}

// The type's size follows the window's height.
void PresentationWindow::sizeType() {
    readout_->setType(readoutFont_,
                      pixelSizeForCapHeight(readoutFont_, std::max(kReadoutCapHeight, height() / kReadoutHeightShare)));
    readout_->adjustSize();
    target_->setType(target_->font(),
                     pixelSizeForCapHeight(target_->font(), std::max(kTargetCapHeight, height() / kTargetHeightShare)));
    target_->adjustSize();
    placeLabels();
}

void PresentationWindow::placeLabels() {
    target_->move(kEdgeMargin, kEdgeMargin);
    readout_->move(width() - readout_->width() - kEdgeMargin,
                   static_cast<int>(std::lround(height() * kReadoutTopShare)));
}

} // namespace velnorit::shell
