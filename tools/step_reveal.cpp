#include "tools/step_reveal.h"

#include "core/result_list.h"
#include "tools/graph_pan.h"
#include "view/graph_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace velnorit::tools {

namespace {

// The pace is 10 * 2^level denominators per second. Up to 40 per second a
// tick shows one denominator; beyond, a tick every 25 ms shows several.
constexpr int kSlowestLevel = -3; // 1.25 per second
constexpr int kFastestLevel = 5;  // 320 per second
constexpr int kOneStepLevels = 2;
constexpr int kBasePace = 10;
constexpr int kBaseTickMs = 100;
constexpr int kShortestTickMs = 25;

// The newest denominator shown stands at a quarter of the graph's seen part
// whenever it has left that part: what was shown before stays in view.
constexpr double kFrontierAnchor = 0.25;

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace

StepReveal::StepReveal(const WindowState& state, const view::FormControls& controls, const view::GraphView& view,
                       std::function<void()> redraw, QObject* parent)
    : QObject(parent), state_(state), c_(controls), view_(view), redraw_(std::move(redraw)) {
    connect(&timer_, &QTimer::timeout, this, &StepReveal::advance);
    // Whatever clears the graph draws anew (or wipes it): the reveal is over.
    connect(c_.picGraph, &view::DrawingSurface::cleared, this, [this] {
        if (running_) finish();
    });
    applyPace();
}

StepReveal::~StepReveal() {
    if (running_ && QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(this);
}

void StepReveal::start() {
    complete();
    redraw_();
    first_ = std::clamp(static_cast<int>(valueOf(state_.nStart)), 1, kLastDenominator);
    last_ = std::min(first_ + view::graph_window::kSpan, kLastDenominator);
    list_ = c_.Text5->crLfText();
    current_ = first_ - 1;
    nextRecord_ = 0;
    listShown_ = std::min(resultListHeader().size(), list_.size());
    const std::vector<RecordPlace>& records = view_.trace().recordPlaces();
    while (nextRecord_ < records.size() && records[nextRecord_].n < first_) listShown_ = records[nextRecord_++].end;
    running_ = true;
    paused_ = false;
    c_.Text5->setCrLfText(std::string_view(list_).substr(0, listShown_));
    showUpTo(current_);
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
}

// A record's denominator is shown with its list lines, and there the
// reveal waits.
void StepReveal::advance() {
    if (!running_ || paused_) return;
    if (current_ >= last_) {
        complete();
        return;
    }
    const std::vector<RecordPlace>& records = view_.trace().recordPlaces();
    const int steps = paceLevel_ <= kOneStepLevels ? 1 : 1 << (paceLevel_ - kOneStepLevels);
    for (int i = 0; i < steps && current_ < last_; ++i) {
        ++current_;
        if (nextRecord_ < records.size() && records[nextRecord_].n == current_) {
            while (nextRecord_ < records.size() && records[nextRecord_].n == current_)
                listShown_ = records[nextRecord_++].end;
            c_.Text5->setCrLfText(std::string_view(list_).substr(0, listShown_));
            // The new line at the list's end in view.
            c_.Text5->verticalScrollBar()->setValue(c_.Text5->verticalScrollBar()->maximum());
            paused_ = true;
            timer_.stop();
            break;
        }
    }
    showUpTo(current_);
}

void StepReveal::showUpTo(int n) {
    c_.picGraph->setShownOperations(view_.trace().drawingSizeAfter(n));
    const int frontier = std::max(n, first_);
    const Integer pan = panToShow(c_, frontier - 0.5, frontier + 1.0, kFrontierAnchor);
    if (pan != c_.hscn->value()) c_.hscn->setValue(pan);
    emit frontierShown(frontier);
}

void StepReveal::complete() {
    if (!running_) return;
    c_.picGraph->showAllOperations();
    c_.Text5->setCrLfText(list_);
    finish();
}

void StepReveal::finish() {
    running_ = false;
    paused_ = false;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    list_.clear();
    list_.shrink_to_fit();
}

void StepReveal::pauseOrContinue() {
    if (!running_) return;
    paused_ = !paused_;
    if (paused_) {
        timer_.stop();
    } else {
        timer_.start();
    }
}

void StepReveal::faster() {
    paceLevel_ = std::min(paceLevel_ + 1, kFastestLevel);
    applyPace();
}

void StepReveal::slower() {
    paceLevel_ = std::max(paceLevel_ - 1, kSlowestLevel);
    applyPace();
}

double StepReveal::pace() const {
    return paceLevel_ >= 0 ? kBasePace * (1 << paceLevel_) : static_cast<double>(kBasePace) / (1 << -paceLevel_);
}

int StepReveal::tickMilliseconds() const {
    if (paceLevel_ > kOneStepLevels) return kShortestTickMs;
    return paceLevel_ >= 0 ? kBaseTickMs >> paceLevel_ : kBaseTickMs << -paceLevel_;
}

void StepReveal::applyPace() { timer_.setInterval(tickMilliseconds()); }

bool StepReveal::isRevealKey(int key) const {
    return key == Qt::Key_Space || key == Qt::Key_Plus || key == Qt::Key_Minus || key == Qt::Key_Escape;
}

// Watches the whole application while the reveal runs: its own keys are
// taken here, wherever the keyboard is; every other key, press of a mouse
// button or turn of the wheel completes the reveal and then goes on to do
// what it does.
bool StepReveal::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (isModifierKey(key->key())) break;
        if (!isRevealKey(key->key())) {
            complete();
            break;
        }
        if (key->isAutoRepeat()) return true;
        switch (key->key()) {
        case Qt::Key_Space: pauseOrContinue(); break;
        case Qt::Key_Plus: faster(); break;
        case Qt::Key_Minus: slower(); break;
        default: complete(); break;
        }
        return true;
    }
    case QEvent::KeyRelease:
        if (isRevealKey(static_cast<const QKeyEvent*>(event)->key())) return true;
        break;
    case QEvent::ShortcutOverride: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!isModifierKey(key->key()) && !isRevealKey(key->key())) complete();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        complete();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velnorit::tools
