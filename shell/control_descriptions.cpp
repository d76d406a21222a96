#include "shell/control_descriptions.h"

#include "view/accessible_controls.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

namespace velnorit::shell {

namespace {

struct Description {
    QWidget* control;
    QString name;    // empty: the control's caption says it
    QString toolTip; // empty: none of the program's
};

// The graph's tooltip stands left of the pointer, or above it where there
// is no room on the left: where Qt puts a tooltip, below and right of the
// pointer, it would cover the readout beside the pointer, the one thing the
// pointer rests there for.
class ToolTipBesideReadout : public QObject {
public:
    explicit ToolTipBesideReadout(QWidget* control) : QObject(control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* control = static_cast<QWidget*>(watched);
        const QPoint pointer = static_cast<QHelpEvent*>(event)->globalPos();
        // The label's frame and margins, and a gap, around its text. Qt puts
        // the label a pointer's height below the point it is given; pointers
        // are up to 32 pixels high (a larger one moves the label aside).
        constexpr int kFrameAndGap = 24;
        constexpr int kPointerHeight = 32;
        const QRect text = QFontMetrics(QToolTip::font()).boundingRect(QRect(), 0, control->toolTip());
        const QRect screen = control->screen()->geometry();
        const QPoint left = pointer - QPoint(text.width() + kFrameAndGap, 0);
        const QPoint above = pointer - QPoint(0, text.height() + kFrameAndGap + kPointerHeight);
        QToolTip::showText(left.x() >= screen.left() ? left : above, control->toolTip(), control);
        return true;
    }
};

} // namespace

void describeControls(const view::FormControls& c) {
    const QList<Description> descriptions = {
        // The formula panel.
        {c.vscWurzel, QStringLiteral("Wurzel"), QStringLiteral("Wurzel einstellen (0 bis 99)")},
        {c.vscAbs, QStringLiteral("Abs"), QStringLiteral("Abs einstellen (0 bis 99)")},
        {c.vscNenner, QStringLiteral("Nenner"), QStringLiteral("Nenner einstellen (1 bis 99)")},
        {c.txtWurzel, QStringLiteral("Wert von Wurzel"), QStringLiteral("Die Zahl unter der Wurzel")},
        {c.txtAbs, QStringLiteral("Wert von Abs"), QStringLiteral("Die Zahl, die zur Wurzel kommt oder von ihr weggeht")},
        {c.txtNenner, QStringLiteral("Wert von Nenner"), QStringLiteral("Der Nenner des Ziels")},
        {c.Option1[0], QStringLiteral("Vorzeichen plus"), QStringLiteral("Abs zur Wurzel addieren")},
        {c.Option1[1], QStringLiteral("Vorzeichen minus"), QStringLiteral("Abs von der Wurzel abziehen")},
        {c.Command1, {}, QStringLiteral("Graph, Legende und Liste neu zeichnen")},
        {c.Picture1, QStringLiteral("Ziel (√Wurzel ± Abs) / Nenner"), {}},
        // The axes.
        {c.vscMaßstab, QStringLiteral("Vergrößerung der y-Achse"), QStringLiteral("y-Achse vergrößern oder verkleinern")},
        {c.Text1[0], QStringLiteral("Oberer Rand der y-Achse"), QStringLiteral("Der größte Wert, den der Graph zeigt")},
        {c.Text1[2], QStringLiteral("Unterer Rand der y-Achse"), QStringLiteral("Der kleinste Wert, den der Graph zeigt")},
        {c.vscMassX, QStringLiteral("Nennerfenster (x-Achse)"), QStringLiteral("Nennerfenster wählen, je 500 Nenner weiter")},
        {c.Text1[1], QStringLiteral("Erster Nenner"), QStringLiteral("Der erste Nenner des Fensters")},
        {c.Text1[3], QStringLiteral("Letzter Nenner"), QStringLiteral("Der letzte Nenner des Fensters")},
        {c.hscn, QStringLiteral("Graph verschieben"), QStringLiteral("Graph seitlich verschieben")},
        // Graph, legend, readout and list.
        {c.picContainer, QStringLiteral("Rationale Velnorit"), {}},
        {c.picGraph, QStringLiteral("Graph der Näherungsbrüche"),
         QStringLiteral("Je Nenner der nächste Bruch unter und über dem Ziel;\n"
                        "das Feld am Mauszeiger nennt ihn")},
        {c.picLegende, QStringLiteral("Legende"), {}},
        {c.Text6, QStringLiteral("Anzeige am Mauszeiger"),
         QStringLiteral("Bruch, Wert, Ziel, Genauigkeit 1/m und Pell-Glied k")},
        {c.Text2, QStringLiteral("Genauigkeit"), QStringLiteral("Genauigkeit 1/m des Bruchs am Mauszeiger")},
        {c.Text5, QStringLiteral("Liste der Rekorde"),
         QStringLiteral("Rekorde mit Genauigkeit 1/m und Pell-Glied k;\n* = absolute Verbesserung")},
        // The blackboard tools.
        {c.Option2[0], {}, QStringLiteral("Eine Gerade ziehen, die ihre Steigung zeigt (F5)")},
        {c.Option2[1], {}, QStringLiteral("Mit der Maus auf den Graph zeichnen (F6)")},
        {c.Option2[2], QStringLiteral("Stempel"), QStringLiteral("Den Text daneben auf den Graph stempeln (F7)")},
        {c.Option2[3], {}, QStringLiteral("Auf dem Graph radieren (F8)")},
        {c.Text3, QStringLiteral("Stempeltext"), QStringLiteral("Der Text, den der Stempel setzt")},
        {c.Picture2[view::kPenColourBox], QStringLiteral("Zeichenfarbe"), {}},
    };
    for (const Description& d : descriptions) {
        if (!d.name.isEmpty()) d.control->setAccessibleName(d.name);
        if (!d.toolTip.isEmpty()) d.control->setToolTip(d.toolTip);
    }

    // What the drawing surfaces are; the colour boxes are named by their colour.
    view::setSurfaceRole(*c.picContainer, view::SurfaceRole::Panel);
    view::setSurfaceRole(*c.Picture1, view::SurfaceRole::Panel);
    view::setSurfaceRole(*c.picLegende, view::SurfaceRole::Picture);
    view::setSurfaceRole(*c.picGraph, view::SurfaceRole::Graph);
    for (std::size_t i = 0; i < view::kPenColourBox; ++i)
        view::setSurfaceRole(*c.Picture2[i], view::SurfaceRole::ColourChoice);
    view::DrawingSurface* pen = c.Picture2[view::kPenColourBox];
    view::setSurfaceRole(*pen, view::SurfaceRole::ColourInUse);
    // Its name says the colour ("Zeichenfarbe: Blau"): a new colour is a new name.
    QObject::connect(pen, &view::DrawingSurface::backColorChanged, pen, [pen] {
        QAccessibleEvent renamed(pen, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });

    new ToolTipBesideReadout(c.picGraph);
}

} // namespace velnorit::shell
