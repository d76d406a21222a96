#include "view/accessible_controls.h"

#include "view/drawing_surface.h"
#include "view/value_scroll_bar.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace velnorit::view {

namespace {

// What the program told about a surface.
struct SurfaceFacts {
    SurfaceRole role = SurfaceRole::Panel;
    SurfaceNarration narration;
};

// The facts kept as a child of the surface, so that they go with it.
class SurfaceFactsHolder : public QObject {
public:
    explicit SurfaceFactsHolder(DrawingSurface& surface) : QObject(&surface) {}
    SurfaceFacts facts;
};

SurfaceFactsHolder* holderOf(const DrawingSurface& surface) {
    for (QObject* child : surface.children())
        if (auto* holder = dynamic_cast<SurfaceFactsHolder*>(child)) return holder;
    return nullptr;
}

const SurfaceFacts& factsOf(const DrawingSurface& surface) {
    static const SurfaceFacts plainPanel;
    const SurfaceFactsHolder* holder = holderOf(surface);
    return holder != nullptr ? holder->facts : plainPanel;
}

SurfaceFacts& factsFor(DrawingSurface& surface) {
    SurfaceFactsHolder* holder = holderOf(surface);
    return (holder != nullptr ? holder : new SurfaceFactsHolder(surface))->facts;
}

// A scroll bar as the program sees it: its value, the one its box shows,
// between the smaller and the larger of its two ends.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(ValueScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(bar()->value());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar()->value(); }
    // As a key would: clamped to the range, and the bar's change follows.
    void setCurrentValue(const QVariant& value) override { bar()->setValue(static_cast<Integer>(value.toInt())); }
    QVariant minimumValue() const override { return std::min(bar()->topOrLeftValue(), bar()->bottomOrRightValue()); }
    QVariant maximumValue() const override { return std::max(bar()->topOrLeftValue(), bar()->bottomOrRightValue()); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    ValueScrollBar* bar() const { return static_cast<ValueScrollBar*>(widget()); }
};

// A drawing surface in the role the program gave it. The graph's text is
// read only: the readout, which the program writes.
class AccessibleSurface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleSurface(DrawingSurface* surface) : QAccessibleWidget(surface, QAccessible::Pane) {}

    QAccessible::Role role() const override {
        switch (facts().role) {
        case SurfaceRole::Panel: return QAccessible::Pane;
        case SurfaceRole::Picture:
        case SurfaceRole::ColourInUse: return QAccessible::Graphic;
        case SurfaceRole::ColourChoice: return QAccessible::Button;
        case SurfaceRole::Graph: return QAccessible::Chart;
        }
        return QAccessible::Pane;
    }

    QString text(QAccessible::Text kind) const override {
        const SurfaceFacts& f = facts();
        if (kind == QAccessible::Name) {
            const QString own = QAccessibleWidget::text(kind);
            if (f.role == SurfaceRole::ColourChoice) return colourName(surface()->backColor());
            if (f.role == SurfaceRole::ColourInUse) return own + QStringLiteral(": ") + colourName(surface()->backColor());
            return own;
        }
        if (kind == QAccessible::Description && f.narration.description) return f.narration.description();
        if (kind == QAccessible::Value && f.role == SurfaceRole::Graph) return readout();
        return QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && facts().role == SurfaceRole::Graph)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A colour box is pressed as it is clicked.
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (facts().role == SurfaceRole::ColourChoice) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && facts().role == SurfaceRole::ColourChoice) {
            emit surface()->clicked();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    // The text, read only, without selection or cursor.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = readout();
        if (end < 0 || end > all.size()) end = static_cast<int>(all.size());
        start = std::clamp(start, 0, end);
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(readout().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    DrawingSurface* surface() const { return static_cast<DrawingSurface*>(widget()); }
    const SurfaceFacts& facts() const { return factsOf(*surface()); }
    QString readout() const {
        const SurfaceFacts& f = facts();
        return f.narration.text ? f.narration.text() : QString();
    }
};

QAccessibleInterface* programControls(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<ValueScrollBar*>(object)) return new AccessibleScrollBar(bar);
    if (auto* surface = qobject_cast<DrawingSurface*>(object)) return new AccessibleSurface(surface);
    return nullptr;
}

} // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(programControls);
        return true;
    }();
    (void)installed;
}

void setSurfaceRole(DrawingSurface& surface, SurfaceRole role) { factsFor(surface).role = role; }

SurfaceRole surfaceRole(const DrawingSurface& surface) { return factsOf(surface).role; }

void setSurfaceNarration(DrawingSurface& surface, SurfaceNarration narration) {
    factsFor(surface).narration = std::move(narration);
}

QString colourName(RgbValue colour) {
    switch (colour) {
    case rgb(0, 0, 0): return QStringLiteral("Schwarz");
    case rgb(255, 255, 0): return QStringLiteral("Gelb");
    case rgb(255, 0, 0):
    case rgb(235, 0, 0): return QStringLiteral("Rot");
    case rgb(0, 0, 255): return QStringLiteral("Blau");
    default: break;
    }
    const QColor c = toQColor(colour);
    return QStringLiteral("Rot %1, Grün %2, Blau %3").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace velnorit::view
