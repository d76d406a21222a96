#include "shell/focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace velnorit::shell {

namespace {

constexpr int kRingWidth = 2;

} // namespace

FocusMark::FocusMark(QWidget* window) : QWidget(window), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusMark::follow(QWidget* focused) {
    if (target_ != nullptr) target_->removeEventFilter(this);
    target_ = nullptr;
    if (focused == nullptr || focused == window_ || focused->window() != window_ ||
        focused->parentWidget() == nullptr) {
        hide();
        return;
    }
    target_ = focused;
    target_->installEventFilter(this);
    if (parentWidget() != focused->parentWidget()) setParent(focused->parentWidget());
    place();
}

void FocusMark::place() {
    if (target_ == nullptr || !target_->isVisible()) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
    raise();
    show();
}

// The ring's shape depends on its size only.
void FocusMark::resizeEvent(QResizeEvent*) {
    setMask(QRegion(rect()) - QRegion(rect().adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth)));
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move: // the readout box moves with every pointer move
            if (isVisible()) {
                move(target_->pos() - QPoint(kRingWidth, kRingWidth));
                break;
            }
            place();
            break;
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
}

} // namespace velnorit::shell
