#include "event_storm.h"

#include "scroll_bar_parts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>

namespace velnorit::testing {

namespace {

constexpr std::size_t kRecentActions = 40;
constexpr int kActionsBetweenPaints = 32;
constexpr int kActionsBetweenGrabs = 5000;

std::string describe(QPoint point) {
    std::string text = "(";
    text += std::to_string(point.x());
    text += ", ";
    text += std::to_string(point.y());
    text += ")";
    return text;
}

std::string describe(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return "left";
    case Qt::RightButton: return "right";
    case Qt::MiddleButton: return "middle";
    case Qt::BackButton: return "back";
    case Qt::ForwardButton: return "forward";
    default: return "button " + std::to_string(static_cast<int>(button));
    }
}

std::string nameOf(const view::ValueScrollBar* bar, const view::FormControls& c) {
    if (bar == c.vscWurzel) return "vscWurzel";
    if (bar == c.vscAbs) return "vscAbs";
    if (bar == c.vscNenner) return "vscNenner";
    if (bar == c.vscMaßstab) return "vscMaßstab";
    if (bar == c.vscMassX) return "vscMassX";
    return "hscn";
}

QPoint randomPointIn(std::mt19937& random, const QRect& area) {
    return {std::uniform_int_distribution<int>(area.left(), area.right())(random),
            std::uniform_int_distribution<int>(area.top(), area.bottom())(random)};
}

} // namespace

EventStorm::EventStorm(shell::Form1& form, unsigned seed)
    : form_(form), random_(seed), markers_(random_), windowMouse_(*form.windowHandle()) {
    // Redrawing takes far longer than anything else, so the actions that
    // redraw (the zoom and window bars, the sign, "Graphik", "Zeichnen")
    // make up about one in two hundred; clicks and keys that land on those
    // controls by chance add a few more.
    actions_ = {
        {"graph move", 3200, &EventStorm::graphMove},
        {"graph press", 450, &EventStorm::graphPress},
        {"graph release", 450, &EventStorm::graphRelease},
        {"graph double-click", 60, &EventStorm::graphDoubleClick},
        {"window move", 1200, &EventStorm::windowMove},
        {"window press", 150, &EventStorm::windowPress},
        {"window release", 150, &EventStorm::windowRelease},
        {"window click", 150, &EventStorm::windowClick},
        {"window double-click", 40, &EventStorm::windowDoubleClick},
        {"set parameter bar", 500, &EventStorm::setParameterBar},
        {"click parameter bar", 100, &EventStorm::clickParameterBar},
        {"drag parameter bar", 30, &EventStorm::dragParameterBar},
        {"wheel parameter bar", 120, &EventStorm::wheelParameterBar},
        {"wheel list or graph", 100, &EventStorm::wheelListOrGraph},
        {"click tool", 60, &EventStorm::clickTool},
        {"click colour box", 80, &EventStorm::clickColourBox},
        {"set marker text", 50, &EventStorm::setMarkerText},
        {"type into marker", 40, &EventStorm::typeIntoMarker},
        {"key", 250, &EventStorm::pressKey},
        {"menu Alles", 40, &EventStorm::menuAlles},
        {"menu Information", 3, &EventStorm::menuInfo},
        {"menu Zum Programm", 3, &EventStorm::menuProgramm},
        {"menu einblenden", 20, &EventStorm::menuEinblenden},
        {"menu ausblenden", 20, &EventStorm::menuAusblenden},
        // These redraw.
        {"set view bar", 15, &EventStorm::setViewBar},
        {"click view bar", 10, &EventStorm::clickViewBar},
        {"drag view bar", 3, &EventStorm::dragViewBar},
        {"wheel view bar", 4, &EventStorm::wheelViewBar},
        {"click sign", 12, &EventStorm::clickSign},
        {"Graphik", 5, &EventStorm::clickGraphik},
        {"menu Zeichnen", 3, &EventStorm::menuZeichnen},
    };
    for (const WeightedAction& a : actions_) totalWeight_ += a.weight;
    lastWindowPoint_ = c().clientArea->geometry().center();
}

EventStorm::~EventStorm() { releaseButtons(); }

int EventStorm::uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

Qt::MouseButton EventStorm::randomButton() {
    const int kind = uniform(0, 99);
    if (kind < 55) return Qt::LeftButton;
    if (kind < 75) return Qt::RightButton;
    if (kind < 90) return Qt::MiddleButton;
    return kind < 95 ? Qt::BackButton : Qt::ForwardButton;
}

Qt::KeyboardModifiers EventStorm::randomModifiers() {
    Qt::KeyboardModifiers modifiers;
    if (oneIn(8)) modifiers |= Qt::ShiftModifier;
    if (oneIn(12)) modifiers |= Qt::ControlModifier;
    return modifiers;
}

void EventStorm::log(std::string line) {
    recent_.push_back(std::to_string(tally_.events) + ": " + std::move(line));
    if (recent_.size() > kRecentActions) recent_.pop_front();
}

std::vector<std::string> EventStorm::actionNames() const {
    std::vector<std::string> names;
    for (const WeightedAction& a : actions_) names.emplace_back(a.name);
    return names;
}

std::string EventStorm::recentActions() const {
    std::string lines;
    for (const std::string& line : recent_) lines += line + '\n';
    return lines;
}

void EventStorm::noteBar(const char* name, const view::ValueScrollBar& bar) {
    std::array<bool, 2>& ends = tally_.barEnds[name];
    if (bar.value() == bar.topOrLeftValue()) ends[0] = true;
    if (bar.value() == bar.bottomOrRightValue()) ends[1] = true;
}

void EventStorm::noteAllBars() {
    noteBar("vscWurzel", *c().vscWurzel);
    noteBar("vscAbs", *c().vscAbs);
    noteBar("vscNenner", *c().vscNenner);
    noteBar("vscMaßstab", *c().vscMaßstab);
    noteBar("vscMassX", *c().vscMassX);
    noteBar("hscn", *c().hscn);
}

void EventStorm::run(int count) {
    for (int i = 0; i < count; ++i) {
        int pick = uniform(0, totalWeight_ - 1);
        const WeightedAction* chosen = &actions_.front();
        for (const WeightedAction& a : actions_) {
            if (pick < a.weight) {
                chosen = &a;
                break;
            }
            pick -= a.weight;
        }
        ++tally_.actions[chosen->name];
        (this->*chosen->action)();
        ++tally_.events;
        noteAllBars();
        if (tally_.events % kActionsBetweenPaints == 0) paintNow();
        if (tally_.events % kActionsBetweenGrabs == 0) grabWindow();
    }
}

void EventStorm::releaseButtons() {
    windowMouse_.releaseAll(lastWindowPoint_);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                   Qt::ForwardButton}) {
        if (graphHeld_ & button) sendToGraph(QEvent::MouseButtonRelease, QPoint(1, 1), button);
    }
}

// --- The graph

// Mostly within the panel, where the user sees the graph; often anywhere on
// its sixteen panel widths (hidden behind the panel's edge or other
// controls); sometimes far outside it; and now and then exactly on the edges
// of the denominator range.
QPoint EventStorm::graphPoint() {
    view::DrawingSurface& graph = *c().picGraph;
    const QRect whole = graph.rect();
    const int kind = uniform(0, 99);
    if (kind < 55) {
        const QRect shown =
            QRect(graph.mapFrom(c().picContainer, QPoint(0, 0)), c().picContainer->size()).intersected(whole);
        if (!shown.isEmpty()) return randomPointIn(random_, shown);
    }
    if (kind < 85) return randomPointIn(random_, whole);
    if (kind < 95) return randomPointIn(random_, whole.adjusted(-3000, -400, 3000, 400));
    const double edges[] = {form_.state().nStart.value_or(1), form_.state().nStart.value_or(1) - 0.5, 10000, 10000.5,
                            10001};
    const double x = edges[uniform(0, 4)];
    const double y = graph.userYFromPixels(uniform(whole.top(), whole.bottom()));
    return graph.toPixels(x, y).toPoint();
}

void EventStorm::noteGraphPoint(QPoint pixel) {
    const view::DrawingSurface& graph = *c().picGraph;
    const double x = graph.userXFromPixels(pixel.x());
    if (x <= form_.state().nStart.value_or(0)) ++tally_.graphEventsLeftOfWindow;
    if (x > 10000) ++tally_.graphEventsBeyondLast;
    if (!graph.rect().contains(pixel)) ++tally_.graphEventsOutside;
}

// The buttons held after a press include the pressed one, after a release
// they no longer do (as the window system reports them).
void EventStorm::sendToGraph(QEvent::Type type, QPoint pixel, Qt::MouseButton button) {
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) graphHeld_ |= button;
    if (type == QEvent::MouseButtonRelease) graphHeld_ &= ~Qt::MouseButtons(button);
    QWidget* graph = c().picGraph;
    QMouseEvent event(type, QPointF(pixel), QPointF(graph->mapToGlobal(pixel)), button, graphHeld_,
                      randomModifiers());
    QApplication::sendEvent(graph, &event);
}

void EventStorm::graphMove() {
    const QPoint at = graphPoint();
    log("graph move " + describe(at));
    noteGraphPoint(at);
    sendToGraph(QEvent::MouseMove, at, Qt::NoButton);
}

void EventStorm::graphPress() {
    const QPoint at = graphPoint();
    const Qt::MouseButton button = randomButton();
    log("graph press " + describe(button) + " " + describe(at));
    noteGraphPoint(at);
    if (c().Option2[2]->isChecked())
        tally_.longestStampedMarker = std::max(tally_.longestStampedMarker, codePointCount(c().Text3->text()));
    sendToGraph(QEvent::MouseButtonPress, at, button);
}

// Mostly a held button; sometimes one that is not held.
void EventStorm::graphRelease() {
    const QPoint at = graphPoint();
    Qt::MouseButton button = randomButton();
    if (graphHeld_ != Qt::NoButton && !oneIn(5))
        for (Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                     Qt::ForwardButton})
            if (graphHeld_ & held) button = held;
    log("graph release " + describe(button) + " " + describe(at));
    noteGraphPoint(at);
    sendToGraph(QEvent::MouseButtonRelease, at, button);
}

void EventStorm::graphDoubleClick() {
    const QPoint at = graphPoint();
    const Qt::MouseButton button = randomButton();
    log("graph double-click " + describe(button) + " " + describe(at));
    noteGraphPoint(at);
    sendToGraph(QEvent::MouseButtonPress, at, button);
    sendToGraph(QEvent::MouseButtonRelease, at, button);
    sendToGraph(QEvent::MouseButtonDblClick, at, button);
    sendToGraph(QEvent::MouseButtonRelease, at, button);
}

// --- The window

// Inside the window below the menu bar: mostly near the last point, as a
// hand moves, otherwise anywhere.
QPoint EventStorm::windowPoint() {
    const QRect client(c().clientArea->mapTo(&form_, QPoint(0, 0)), c().clientArea->size());
    QPoint at = randomPointIn(random_, client);
    if (!oneIn(3)) {
        const QPoint near = lastWindowPoint_ + QPoint(uniform(-40, 40), uniform(-40, 40));
        if (client.contains(near)) at = near;
    }
    lastWindowPoint_ = at;
    return at;
}

void EventStorm::windowMove() {
    const QPoint at = windowPoint();
    log("window move " + describe(at));
    windowMouse_.move(at, randomModifiers());
}

void EventStorm::windowPress() {
    const QPoint at = windowPoint();
    const Qt::MouseButton button = randomButton();
    log("window press " + describe(button) + " " + describe(at));
    windowMouse_.press(button, at, randomModifiers());
}

void EventStorm::windowRelease() {
    const QPoint at = windowPoint();
    Qt::MouseButton button = randomButton();
    for (Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton})
        if (windowMouse_.held() & held) button = held;
    log("window release " + describe(button) + " " + describe(at));
    windowMouse_.release(button, at, randomModifiers());
}

void EventStorm::windowClick() {
    const QPoint at = windowPoint();
    const Qt::MouseButton button = randomButton();
    log("window click " + describe(button) + " " + describe(at));
    windowMouse_.click(button, at, randomModifiers());
}

void EventStorm::windowDoubleClick() {
    const QPoint at = windowPoint();
    const Qt::MouseButton button = randomButton();
    log("window double-click " + describe(button) + " " + describe(at));
    windowMouse_.doubleClick(button, at, randomModifiers());
}

// --- Scroll bars

// The parameter bars and the pan bar only show a value; the zoom and the
// denominator window redraw the graph.
view::ValueScrollBar* EventStorm::randomBar(bool redrawing) {
    if (redrawing) return uniform(0, 1) == 0 ? c().vscMaßstab : c().vscMassX;
    view::ValueScrollBar* const bars[] = {c().vscWurzel, c().vscAbs, c().vscNenner, c().hscn};
    return bars[uniform(0, 3)];
}

// To one end, to the other, to any value, or beyond the range (the bar
// keeps to its ends).
void EventStorm::setBar(bool redrawing) {
    view::ValueScrollBar* bar = randomBar(redrawing);
    const int low = std::min(bar->topOrLeftValue(), bar->bottomOrRightValue());
    const int high = std::max(bar->topOrLeftValue(), bar->bottomOrRightValue());
    const int kind = uniform(0, 9);
    int value = uniform(low, high);
    if (kind < 2) value = bar->topOrLeftValue();
    else if (kind < 4) value = bar->bottomOrRightValue();
    else if (kind == 4) value = oneIn(2) ? low - uniform(1, 1000) : high + uniform(1, 1000);
    log("set " + nameOf(bar, c()) + " " + std::to_string(value));
    bar->setValue(static_cast<Integer>(value));
}

// A real click on an arrow, the track either side of the thumb, or the
// thumb, mostly with the left button.
void EventStorm::clickBar(bool redrawing) {
    view::ValueScrollBar* bar = randomBar(redrawing);
    const QStyle::SubControl parts[] = {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine,
                                        QStyle::SC_ScrollBarSubPage, QStyle::SC_ScrollBarAddPage,
                                        QStyle::SC_ScrollBarSlider};
    QRect part = scrollBarPart(*bar, parts[uniform(0, 4)]);
    if (part.isEmpty()) part = bar->rect();
    const QPoint at = randomPointIn(random_, part);
    const Qt::MouseButton button = oneIn(5) ? randomButton() : Qt::LeftButton;
    log("click " + nameOf(bar, c()) + " " + describe(button) + " " + describe(at));
    QTest::mouseClick(bar, button, randomModifiers(), at);
}

// The thumb pressed, moved a few times along the bar and beyond its ends,
// and let go.
void EventStorm::dragBar(bool redrawing) {
    view::ValueScrollBar* bar = randomBar(redrawing);
    const QRect thumb = scrollBarPart(*bar, QStyle::SC_ScrollBarSlider);
    if (thumb.isEmpty()) return clickBar(redrawing);
    QPoint at = thumb.center();
    std::string path = describe(at);
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    const int moves = uniform(1, 6);
    for (int i = 0; i < moves; ++i) {
        at = randomPointIn(random_, bar->rect().adjusted(-60, -60, 60, 60));
        path += ' ';
        path += describe(at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(bar->mapToGlobal(at)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    }
    log("drag " + nameOf(bar, c()) + " " + path);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
}

void EventStorm::wheelBar(bool redrawing) {
    view::ValueScrollBar* bar = randomBar(redrawing);
    const int delta = oneIn(3) ? uniform(-40, 40) : 120 * uniform(-3, 3);
    const QPoint at = bar->rect().center();
    log("wheel " + nameOf(bar, c()) + " " + std::to_string(delta));
    QWheelEvent wheel(QPointF(at), QPointF(bar->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      randomModifiers(), Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
}

void EventStorm::wheelListOrGraph() {
    QWidget* const targets[] = {c().Text5->viewport(), c().picGraph, c().picLegende, c().Text3};
    QWidget* target = targets[uniform(0, 3)];
    const QPoint at = randomPointIn(random_, target->rect().intersected(QRect(0, 0, 4000, 4000)));
    const QPoint delta = oneIn(2) ? QPoint(0, 120 * uniform(-4, 4)) : QPoint(120 * uniform(-4, 4), 0);
    log(std::string("wheel ") + target->metaObject()->className() + " " + describe(delta));
    QWheelEvent wheel(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), delta, Qt::NoButton,
                      randomModifiers(), Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// --- Buttons, boxes and the keyboard

void EventStorm::clickSign() {
    const int index = uniform(0, 1);
    QRadioButton* option = c().Option1[static_cast<std::size_t>(index)];
    log("click sign " + std::to_string(index));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void EventStorm::clickTool() {
    const int index = uniform(0, 3);
    QRadioButton* option = c().Option2[static_cast<std::size_t>(index)];
    log("click tool " + std::to_string(index));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void EventStorm::clickColourBox() {
    const int index = uniform(0, 4);
    view::DrawingSurface* box = c().Picture2[static_cast<std::size_t>(index)];
    const Qt::MouseButton button = oneIn(4) ? randomButton() : Qt::LeftButton;
    log("click colour box " + std::to_string(index) + " " + describe(button));
    QTest::mouseClick(box, button, {}, randomPointIn(random_, box->rect()));
}

void EventStorm::setMarkerText() {
    const QString text = markers_.next();
    const int characters = codePointCount(text);
    tally_.shortestMarker = std::min(tally_.shortestMarker, characters);
    tally_.longestMarker = std::max(tally_.longestMarker, characters);
    log("marker text of " + std::to_string(characters) + " characters");
    c().Text3->setText(text);
}

// A few characters typed at the cursor, or deleted.
void EventStorm::typeIntoMarker() {
    QLineEdit* box = c().Text3;
    if (oneIn(3)) {
        const int count = uniform(1, 5);
        log("backspace " + std::to_string(count) + " times in the marker");
        for (int i = 0; i < count; ++i) QTest::keyClick(box, Qt::Key_Backspace);
        return;
    }
    QString typed = markers_.ofLength(uniform(1, 8));
    typed.removeIf([](QChar c) { return c.isSurrogate(); }); // keys carry single UTF-16 units
    log("type " + std::to_string(typed.size()) + " characters into the marker");
    // One key per character, with the character as its text (as an input
    // method delivers letters that have no key of their own).
    for (const QChar character : typed) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &release);
    }
}

// A key for the control with the focus, after moving the focus now and then
// as a click or the tab key would.
void EventStorm::pressKey() {
    QWidget* const focusable[] = {c().hscn,      c().vscNenner,  c().vscAbs,    c().vscWurzel, c().Option1[0],
                                  c().Option1[1], c().Text5,      c().vscMaßstab, c().Text2,     c().vscMassX,
                                  c().Option2[0], c().Option2[1], c().Option2[2], c().Option2[3], c().Text3,
                                  c().Command1,   c().Text6};
    if (oneIn(4)) focusable[uniform(0, 16)]->setFocus(Qt::TabFocusReason);
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || !c().clientArea->isAncestorOf(target)) target = focusable[uniform(0, 16)];

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key keys[] = {{Qt::Key_Up, {}},         {Qt::Key_Down, {}},      {Qt::Key_Left, {}},
                        {Qt::Key_Right, {}},      {Qt::Key_PageUp, {}},    {Qt::Key_PageDown, {}},
                        {Qt::Key_Home, {}},       {Qt::Key_End, {}},       {Qt::Key_Tab, {}},
                        {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Space, {}}, {Qt::Key_Backspace, {}},
                        {Qt::Key_Delete, {}},     {Qt::Key_Return, {}},    {Qt::Key_A, {}},
                        {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
                        {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
                        {Qt::Key_Z, Qt::ControlModifier}};
    const Key& key = keys[uniform(0, static_cast<int>(std::size(keys)) - 1)];
    log("key " + std::to_string(key.key) + " with " + std::to_string(key.modifiers.toInt()) + " on " +
        std::string(target->metaObject()->className()));
    QTest::keyClick(target, key.key, key.modifiers);
}

void EventStorm::clickGraphik() {
    releaseButtons();
    log("click Graphik");
    QTest::mouseClick(c().Command1, Qt::LeftButton);
}

// --- Menu commands

void EventStorm::menuAlles() {
    releaseButtons();
    log("menu Alles");
    c().cmdAlles->trigger();
}

void EventStorm::menuZeichnen() {
    releaseButtons();
    log("menu Zeichnen");
    c().cmdZeichnen->trigger();
}

void EventStorm::menuInfo() {
    releaseButtons();
    log("menu Information");
    c().cmdInfo->trigger();
}

void EventStorm::menuProgramm() {
    releaseButtons();
    log("menu Zum Programm");
    c().cmdProgramm->trigger();
}

void EventStorm::menuEinblenden() {
    releaseButtons();
    log("menu einblenden");
    c().cmdEinblenden->trigger();
}

void EventStorm::menuAusblenden() {
    releaseButtons();
    log("menu ausblenden");
    c().cmdAusblenden->trigger();
}

// --- Painting

void EventStorm::paintNow() { QApplication::processEvents(); }

// Paints the whole window at once, with everything drawn on the graph so far.
void EventStorm::grabWindow() {
    log("grab the window");
    form_.grab();
}

} // namespace velnorit::testing
