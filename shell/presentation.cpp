#include "shell/presentation.h"

#include "shell/runtime_error_guard.h"
#include "shell/teaching_aids.h"
#include "tools/graph_pan.h"
#include "view/graph_picture.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>

namespace velnorit::shell {

Presentation::Presentation(const view::FormControls& controls, const view::GraphView& graph, TeachingAids& aids,
                           QWidget* mainWindow)
    : c_(controls), graph_(graph), aids_(aids), mainWindow_(mainWindow),
      window_(std::make_unique<PresentationWindow>(*controls.picGraph, mainWindow)) {
    window_->setReadoutFont(c_.Text6->font());
    window_->setCursorKeys([this](int key, Qt::KeyboardModifiers modifiers) {
        bool taken = false;
        runHandler([&] { taken = aids_.cursor().keyPressed(key, modifiers); });
        return taken;
    });
    connect(window_.get(), &PresentationWindow::leaveAsked, this, &Presentation::close);

    // Where the class is looking: the keyboard cursor after a key or a list
    // line, the reveal's newest denominator.
    tools::GraphCursor& cursor = aids_.cursor();
    connect(&cursor, &tools::GraphCursor::shown, this, [this] {
        if (isOpen()) centreOnDenominator(aids_.cursor().position().n);
    });
    connect(&aids_.reveal(), &tools::StepReveal::frontierShown, this, [this](int n) {
        if (isOpen()) centreOnDenominator(n);
    });
    // The view's pointer moves the cursor as the graph's own does; the view
    // itself stays where it is, under the pen.
    connect(&view(), &view::PresentationView::mouseMove, &cursor,
            [&cursor](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) { cursor.followPointer(x, y); });
    connect(&view(), &view::PresentationView::mouseDown, &cursor,
            [&cursor](Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) { cursor.followPointer(x, y); });
    // The window's pointer (on the laptop's screen) takes the view along.
    connect(c_.picGraph, &view::DrawingSurface::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, float, float) { followWindowPointer(); });
    connect(c_.picGraph, &view::DrawingSurface::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, float, float) { followWindowPointer(); });

    connect(c_.picGraph, &view::DrawingSurface::cleared, this, [this] {
        if (isOpen()) showTarget();
    });
    connect(c_.Text6, &QPlainTextEdit::textChanged, this, [this] {
        if (isOpen()) showReadout();
    });
    c_.picGraph->installEventFilter(this);
    c_.Text6->installEventFilter(this);

    // A projector unplugged while it shows the view: back to the window.
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen* screen) {
        if (isOpen() && window_->screen() == screen) close();
    });
}

// The view's mouse goes nowhere any more, also not as the end of a stroke
// when the window goes.
Presentation::~Presentation() { QObject::disconnect(&window_->view(), nullptr, nullptr, nullptr); }

QScreen* Presentation::screenFor(const QList<QScreen*>& screens, QScreen* windowScreen) {
    if (screens.size() > 1)
        for (QScreen* screen : screens)
            if (screen != windowScreen) return screen;
    if (windowScreen != nullptr) return windowScreen;
    return screens.isEmpty() ? nullptr : screens.first();
}

void Presentation::toggle() {
    if (isOpen()) {
        close();
    } else {
        open();
    }
}

void Presentation::open() {
    if (isOpen()) return;
    QScreen* screen = screenFor(QGuiApplication::screens(), mainWindow_->screen());
    if (screen == nullptr) return;
    before_ = {mainWindow_->geometry(), mainWindow_->windowState(), mainWindow_->focusWidget()};

    // The shortcuts of "Extras" (Rückgängig, the tools and colours, F9, F11
    // itself, ...) work in the view as in the window.
    window_->addActions(c_.Extras->actions());
    const view::DrawingSurface& graph = *c_.picGraph;
    view().keepRow(graph.toPixels(0, graph.scaleTop() + graph.scaleHeight() / 2.0).y(), kTargetRowShare);
    centreAtOpening();
    showTarget();

    window_->setScreen(screen);
    window_->setGeometry(screen->geometry());
    window_->showFullScreen();
    showReadout();
    window_->raise();
    window_->activateWindow();
    window_->setFocus(Qt::OtherFocusReason);
}

void Presentation::close() {
    if (!isOpen()) return;
    window_->hide();
    if (mainWindow_->windowState() != before_.states) mainWindow_->setWindowState(before_.states);
    if (mainWindow_->geometry() != before_.geometry) mainWindow_->setGeometry(before_.geometry);
    mainWindow_->raise();
    mainWindow_->activateWindow();
    if (before_.focus != nullptr) before_.focus->setFocus(Qt::OtherFocusReason);
}

void Presentation::centreOnDenominator(int n) { view().centreOn(c_.picGraph->toPixels(n + 0.5, 0).x()); }

// On the keyboard cursor where the class sees it in the window, else on
// the middle of what the class sees there.
void Presentation::centreAtOpening() {
    const tools::SeenStretch seen = tools::seenStretch(c_);
    const double graphLeft = c_.picGraph->x();
    const double cursorX = c_.picGraph->toPixels(aids_.cursor().position().n + 0.5, 0).x();
    if (graphLeft + cursorX >= seen.left && graphLeft + cursorX <= seen.right) {
        view().centreOn(cursorX);
    } else {
        view().centreOn((seen.left + seen.right) / 2 - graphLeft);
    }
}

// The cursor has followed the pointer already (it listens to the graph
// since before this presentation existed) where the pointer reads a fraction.
void Presentation::followWindowPointer() {
    if (isOpen()) centreOnDenominator(aids_.cursor().position().n);
}

void Presentation::showReadout() {
    const view::MultiLineBox& field = *c_.Text6;
    window_->showReadout(field.isHidden() ? QString() : field.toPlainText(), field.palette().color(QPalette::Base));
}

void Presentation::showTarget() { window_->showTarget(view::worksheetTitle(graph_.drawnSettings())); }

// The graph moved by panning (its Left, in the panel): the view moves as
// far over the graph. The readout field shown, hidden or recoloured.
bool Presentation::eventFilter(QObject* watched, QEvent* event) {
    if (!isOpen()) return QObject::eventFilter(watched, event);
    if (watched == c_.picGraph && event->type() == QEvent::Move) {
        const auto* move = static_cast<const QMoveEvent*>(event);
        view().shiftBy(move->oldPos().x() - move->pos().x());
    } else if (watched == c_.Text6 && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                                       event->type() == QEvent::PaletteChange)) {
        showReadout();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velnorit::shell
